<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>NextGrade</name>
    <message>
        <source>1 win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 over %2 or better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 defeats or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 defeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 defeats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 against %2 (the same grade)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 against %2 (one grade lower)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WHAT NEXT?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the highest grade: there is no grade above it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WHAT WOULD TAKE YOU UP TO %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1 your season is worth %2 points; %3 are needed to go up to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 missing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (reached, but the rise would not be kept).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No number of wins up to %1 over players of one grade takes you to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any one of these would take you to %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defeats your estimate can still take:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would take you to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tried at %1 your season is worth %2 points; its norm is %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageTitle</name>
    <message>
        <source>Registered clubs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::AboutDialog</name>
    <message>
        <source>About Scorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your tennis record: seasons, events, matches, players, clubs, rankings and money, with the estimate of your next ranking and statistics on every match you play.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::ChartWidget</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DETAILS_FFT</name>
    <message>
        <source>&amp;Back to the summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Explanations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Starting points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Min. victories kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra &amp;victories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Victory &amp;scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upgrades, downgrades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;What if...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result: %1 (%2 without the planned matches)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilan at %1: %2 points (%3 at %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Victories kept: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing for %1: %2 points (%3 for %4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_COLONNES_JOUEURS</name>
    <message>
        <source>Information shown for the players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head-to-head</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_COLONNES_PALMARES</name>
    <message>
        <source>Columns shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_DEVISE</name>
    <message>
        <source>Euros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amounts are shown and entered in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of the euro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of the euro must be a number of francs from %1 to %2, for example 6.55957.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_DOC_INFO</name>
    <message>
        <source>Information about the current document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of seasons :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of different events :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total number of matches :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singles :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doubles :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of listed players :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of anonymous players :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of contacts :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranking system used :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_EDITION_SYSCLASS</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds characters that a ranking-system file cannot store. Please write it with other characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranking system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One ranking per sports year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rankings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers (points, position, etc.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grades (grades, groups, etc.), from the strongest to the weakest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The strongest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The weakest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_EDIT_CLASSEMENTS</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This history cannot hold more rankings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit rankings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_EDIT_UN_CLASSEMENT</name>
    <message>
        <source>Ranking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranking :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_EVOLUTION_CLASSEMENT</name>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_GRAPHIQUE_FINANCES</name>
    <message>
        <source>Active season finances</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_JOUEURS_SEMBLABLES</name>
    <message>
        <source>Similar player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is the same player!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Different player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show that player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_MODIF_RUBRIQUES</name>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel all</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_NOUVELLE_RENCONTRE</name>
    <message>
        <source>Creating a new match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the event of the new match (double-click on it):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the new match to the season&apos;s &amp;friendly matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a &amp;new event to the season to add the match to it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_NOUVELLE_RUBRIQUE</name>
    <message>
        <source>Adding a new item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_NOUVELLE_SAISON</name>
    <message>
        <source>Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranking for the season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments/notes on the season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tip for new users:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To add, change or delete the matches of your seasons, go to the Matches page!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The season&apos;s year must be from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season %1 already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no season %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_PROBAS_SERVICE</name>
    <message>
        <source>Influence of service success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% 1st serve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% pts on 1st serve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% 2nd serve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% pts on 2nd serve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probability of winning a service point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probability of winning a point on a 1st serve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probability of a double fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At deuce, probability of winning the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probability of winning one&apos;s service game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What follows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_QUEST_NOUVEAU_JOUEUR</name>
    <message>
        <source>Create a new player ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player you have just changed plays in other matches: is it the same player or a new one ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_QUEST_OUI_NON</name>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_QUEST_OUI_NON_TOUS</name>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_RENOMMAGE</name>
    <message>
        <source>New name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_EPREUVE</name>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corporate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event &amp;name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homologation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best ranking of the event (having lost)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prize money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry fee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Travel costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments on how the event went</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a season first: matches and events are entered in a season.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: enter an amount from 0 to %2 %3, for example 1 500,50.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event runs from %1 to %2, far from season %3 (1 November %4 to 31 October %3). Is this period right?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_JOUEUR</name>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Town</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See the matches played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranking evolution</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_OPERATION</name>
    <message>
        <source>Financial operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount: enter an amount from 0 to %1 %2, for example 1 500,50.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_RENCONTRE</name>
    <message>
        <source>Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Event...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;urface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Indoor court</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dou&amp;bles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Victory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defea&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retirement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excused W.O.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not excused W.O.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New FFT rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 games/set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no ad.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd set: tie-break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no let</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My strong points in the match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My weak points in the match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This match is already open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accepted: 6/4 7/6(5) or 6-4 7-6(5), comments in brackets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The match is recorded as won, but the score gives your opponent more sets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The match is recorded as lost, but the score gives you more sets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score gives no set for a match that was played (not a walk-over).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score has a set with as many games on both sides.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score has a number that cannot be the games of a set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score goes on after one side has won three sets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store the score as it is?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_UTILISATEUR</name>
    <message>
        <source>Your description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Club</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SELECTION_JOUEUR</name>
    <message>
        <source>Select a player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players of my club only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surnames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SELECTION_SYSCLASS</name>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the file %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be deleted:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_TRADUCTION_CLASSEMENT</name>
    <message>
        <source>Change of ranking system</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_VISUALISATION_OPERATIONS</name>
    <message>
        <source>Financial operations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_VISU_RENCONTRES</name>
    <message>
        <source>Match viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To see one of the matches in detail, &quot;double-click&quot; on it!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::DocumentSession</name>
    <message>
        <source>Zezovu files (*.ten)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document was not saved:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some characters cannot be stored in a Scorvane file and will be saved as &quot;?&quot; in:
%1

Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::FileChoosers</name>
    <message>
        <source>Zezovu files (*.ten)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::GradeListEditor</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the grade up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the grade down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::HelpWindow</name>
    <message>
        <source>Scorvane Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::ImportPreviewDialog</name>
    <message>
        <source> (licence %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: matches to import: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2, %3 against %4, %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an anonymous partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, season %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (new event)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New seasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New surfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignored columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the &amp;good lines only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The matches are added to the open document, which is not saved: closing without saving leaves the file as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists of matches (*.csv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB; a list of matches is far smaller. The document was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::ListPage</name>
    <message>
        <source>&amp;Columns shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In ascending order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In descending order</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Document information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export to PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the active season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own p&amp;age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered &amp;players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active season &amp;finances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active season &amp;summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active season &amp;matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered &amp;clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light &amp;navigation bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background colour...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame colour...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Français</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Influence of service success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;surfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit financial &amp;categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit c&amp;lubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the ranking system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranking s&amp;ystems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Currency in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on this page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tip of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Scorvane...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the program to French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My ranking &amp;history...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import matches...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::MatchChartPanel</name>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::NavigationBar</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::NavigationPane</name>
    <message>
        <source>Own page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_CLUBS</name>
    <message>
        <source>Recorded clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Club code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Club name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Club phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Club address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename the club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete the club</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_FINANCES</name>
    <message>
        <source>&amp;New expense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit &amp;categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry fees, travel costs, prize money and prizes belong to the events of the season: change them in the event, or delete them here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit the operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete the operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit the matching event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete the prize won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit the expense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete the expense</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_GRAPHIQUES</name>
    <message>
        <source>Reset filters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_JOUEURS</name>
    <message>
        <source>Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Involved in the active season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By ranking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By future ranking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By first name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By surname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player&apos;s evolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_PALMARES</name>
    <message>
        <source>New &amp;match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort the matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By win or loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By ranking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By future ranking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By first name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By surname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a match to the event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New event</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_PERSO</name>
    <message>
        <source>Edit &amp;description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit a &amp;season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add a season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rankings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_PROPRIETE_JOUEUR</name>
    <message>
        <source>Anonymous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sur&amp;name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strengths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weaknesses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_SAISON</name>
    <message>
        <source>Singles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friendly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual championship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corporate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homologated matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non homologated competition</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::PagePrinter</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::RulesComboBox</name>
    <message>
        <source>2000 rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::StatisticsFilterPanel</name>
    <message>
        <source>Only the matches played between</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <comment>between two dates</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a doubles, keep the match if</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the opponents aged on the day of the match between</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years (left out without an age)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only if ranked between</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::TipDialog</name>
    <message>
        <source>Tip of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show tips at start-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::WelcomeDialog</name>
    <message>
        <source>Welcome to Scorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a &amp;new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the &amp;last file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open a file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read this before starting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorvane keeps your tennis record: your seasons, events and matches, the players you meet, your rankings and your tennis budget. Start with a new file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passer en français</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scorvane::WhatIfPanel</name>
    <message>
        <source>What if... (planned matches, not saved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual championship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No-ad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four games a set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tie-break for the 3rd set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear all</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
