<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>NextGrade</name>
    <message>
        <source>1 win</source>
        <translation>1 win</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 wins</translation>
    </message>
    <message>
        <source>%1 over %2 or better</source>
        <translation>%1 over %2 or better</translation>
    </message>
    <message>
        <source>%1 defeats or more</source>
        <translation>%1 defeats or more</translation>
    </message>
    <message>
        <source>1 defeat</source>
        <translation>1 defeat</translation>
    </message>
    <message>
        <source>%1 defeats</source>
        <translation>%1 defeats</translation>
    </message>
    <message>
        <source>%1 against %2 (the same grade)</source>
        <translation>%1 against %2 (the same grade)</translation>
    </message>
    <message>
        <source>%1 against %2 (one grade lower)</source>
        <translation>%1 against %2 (one grade lower)</translation>
    </message>
    <message>
        <source>WHAT NEXT?</source>
        <translation>WHAT NEXT?</translation>
    </message>
    <message>
        <source>%1 is the highest grade: there is no grade above it.</source>
        <translation>%1 is the highest grade: there is no grade above it.</translation>
    </message>
    <message>
        <source>WHAT WOULD TAKE YOU UP TO %1?</source>
        <translation>WHAT WOULD TAKE YOU UP TO %1?</translation>
    </message>
    <message>
        <source>At %1 your season is worth %2 points; %3 are needed to go up to %4</source>
        <translation>At %1 your season is worth %2 points; %3 are needed to go up to %4</translation>
    </message>
    <message>
        <source> (%1 missing).</source>
        <translation> (%1 missing).</translation>
    </message>
    <message>
        <source> (reached, but the rise would not be kept).</source>
        <translation> (reached, but the rise would not be kept).</translation>
    </message>
    <message>
        <source>No number of wins up to %1 over players of one grade takes you to %2.</source>
        <translation>No number of wins up to %1 over players of one grade takes you to %2.</translation>
    </message>
    <message>
        <source>Any one of these would take you to %1:</source>
        <translation>Any one of these would take you to %1:</translation>
    </message>
    <message>
        <source>Defeats your estimate can still take:</source>
        <translation>Defeats your estimate can still take:</translation>
    </message>
    <message>
        <source>%1 would take you to %2</source>
        <translation>%1 would take you to %2</translation>
    </message>
</context>
<context>
    <name>scorvane::AboutDialog</name>
    <message>
        <source>About Scorvane</source>
        <translation>About Scorvane</translation>
    </message>
    <message>
        <source>Your tennis record: seasons, events, matches, players, clubs, rankings and money, with the estimate of your next ranking and statistics on every match you play.</source>
        <translation>Your tennis record: seasons, events, matches, players, clubs, rankings and money, with the estimate of your next ranking and statistics on every match you play.</translation>
    </message>
</context>
<context>
    <name>scorvane::ChartWidget</name>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>PNG picture (*.png);;SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>The picture %1 could not be written.</translation>
    </message>
</context>
<context>
    <name>scorvane::DETAILS_FFT</name>
    <message>
        <source>&amp;Back to the summary</source>
        <translation>&amp;Back to the summary</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Explanations</source>
        <translation>&amp;Explanations</translation>
    </message>
    <message>
        <source>&amp;Starting points</source>
        <translation>&amp;Starting points</translation>
    </message>
    <message>
        <source>&amp;Min. victories kept</source>
        <translation>&amp;Min. victories kept</translation>
    </message>
    <message>
        <source>Extra &amp;victories</source>
        <translation>Extra &amp;victories</translation>
    </message>
    <message>
        <source>Victory &amp;scale</source>
        <translation>Victory &amp;scale</translation>
    </message>
    <message>
        <source>&amp;Upgrades, downgrades</source>
        <translation>&amp;Upgrades, downgrades</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_COLONNES_PALMARES</name>
    <message>
        <source>Columns shown</source>
        <translation>Columns shown</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_DOC_INFO</name>
    <message>
        <source>Information about the current document</source>
        <translation>Information about the current document</translation>
    </message>
    <message>
        <source>Number of seasons :</source>
        <translation>Number of seasons :</translation>
    </message>
    <message>
        <source>Number of different events :</source>
        <translation>Number of different events :</translation>
    </message>
    <message>
        <source>Total number of matches :</source>
        <translation>Total number of matches :</translation>
    </message>
    <message>
        <source>Singles :</source>
        <translation>Singles :</translation>
    </message>
    <message>
        <source>Doubles :</source>
        <translation>Doubles :</translation>
    </message>
    <message>
        <source>Number of listed players :</source>
        <translation>Number of listed players :</translation>
    </message>
    <message>
        <source>Number of anonymous players :</source>
        <translation>Number of anonymous players :</translation>
    </message>
    <message>
        <source>Number of contacts :</source>
        <translation>Number of contacts :</translation>
    </message>
    <message>
        <source>Ranking system used :</source>
        <translation>Ranking system used :</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_EDITION_SYSCLASS</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Please enter a whole number.</translation>
    </message>
    <message>
        <source>"%1" holds characters that a ranking-system file cannot store. Please write it with other characters.</source>
        <translation>"%1" holds characters that a ranking-system file cannot store. Please write it with other characters.</translation>
    </message>
    <message>
        <source>Ranking system</source>
        <translation>Ranking system</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name :</translation>
    </message>
    <message>
        <source>Description :</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>One ranking per sports year</source>
        <translation>One ranking per sports year</translation>
    </message>
    <message>
        <source>Rankings</source>
        <translation>Rankings</translation>
    </message>
    <message>
        <source>Numbers (points, position, etc.)</source>
        <translation>Numbers (points, position, etc.)</translation>
    </message>
    <message>
        <source>Grades (grades, groups, etc.), from the strongest to the weakest</source>
        <translation>Grades (grades, groups, etc.), from the strongest to the weakest</translation>
    </message>
    <message>
        <source>The strongest</source>
        <translation>The strongest</translation>
    </message>
    <message>
        <source>The weakest</source>
        <translation>The weakest</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_EDIT_CLASSEMENTS</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>This history cannot hold more rankings.</source>
        <translation>This history cannot hold more rankings.</translation>
    </message>
    <message>
        <source>Edit rankings</source>
        <translation>Edit rankings</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_EDIT_UN_CLASSEMENT</name>
    <message>
        <source>Ranking</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>Ranking :</source>
        <translation>Ranking :</translation>
    </message>
    <message>
        <source>From :</source>
        <translation>From :</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Note :</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_EVOLUTION_CLASSEMENT</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_JOUEURS_SEMBLABLES</name>
    <message>
        <source>Similar player</source>
        <translation>Similar player</translation>
    </message>
    <message>
        <source>It is the same player!</source>
        <translation>It is the same player!</translation>
    </message>
    <message>
        <source>Different player</source>
        <translation>Different player</translation>
    </message>
    <message>
        <source>Show that player</source>
        <translation>Show that player</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_MODIF_RUBRIQUES</name>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Selection :</source>
        <translation>Selection :</translation>
    </message>
    <message>
        <source>Cancel all</source>
        <translation>Cancel all</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_NOUVELLE_RENCONTRE</name>
    <message>
        <source>Creating a new match</source>
        <translation>Creating a new match</translation>
    </message>
    <message>
        <source>Choose the event of the new match (double-click on it):</source>
        <translation>Choose the event of the new match (double-click on it):</translation>
    </message>
    <message>
        <source>Add the new match to the season's &amp;friendly matches</source>
        <translation>Add the new match to the season's &amp;friendly matches</translation>
    </message>
    <message>
        <source>Add a &amp;new event to the season to add the match to it</source>
        <translation>Add a &amp;new event to the season to add the match to it</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_NOUVELLE_RUBRIQUE</name>
    <message>
        <source>Adding a new item</source>
        <translation>Adding a new item</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_NOUVELLE_SAISON</name>
    <message>
        <source>Season</source>
        <translation>Season</translation>
    </message>
    <message>
        <source>Ranking for the season</source>
        <translation>Ranking for the season</translation>
    </message>
    <message>
        <source>Comments/notes on the season</source>
        <translation>Comments/notes on the season</translation>
    </message>
    <message>
        <source>A tip for new users:</source>
        <translation>A tip for new users:</translation>
    </message>
    <message>
        <source>To add, change or delete the matches of your seasons, go to the Matches page!</source>
        <translation>To add, change or delete the matches of your seasons, go to the Matches page!</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_PROBAS_SERVICE</name>
    <message>
        <source>Influence of service success</source>
        <translation>Influence of service success</translation>
    </message>
    <message>
        <source>% 1st serve</source>
        <translation>% 1st serve</translation>
    </message>
    <message>
        <source>% pts on 1st serve</source>
        <translation>% pts on 1st serve</translation>
    </message>
    <message>
        <source>% 2nd serve</source>
        <translation>% 2nd serve</translation>
    </message>
    <message>
        <source>% pts on 2nd serve</source>
        <translation>% pts on 2nd serve</translation>
    </message>
    <message>
        <source>Probability of winning a service point</source>
        <translation>Probability of winning a service point</translation>
    </message>
    <message>
        <source>Probability of winning a point on a 1st serve</source>
        <translation>Probability of winning a point on a 1st serve</translation>
    </message>
    <message>
        <source>Probability of a double fault</source>
        <translation>Probability of a double fault</translation>
    </message>
    <message>
        <source>At deuce, probability of winning the game</source>
        <translation>At deuce, probability of winning the game</translation>
    </message>
    <message>
        <source>Probability of winning one's service game</source>
        <translation>Probability of winning one's service game</translation>
    </message>
    <message>
        <source>Your service</source>
        <translation>Your service</translation>
    </message>
    <message>
        <source>What follows</source>
        <translation>What follows</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_QUEST_NOUVEAU_JOUEUR</name>
    <message>
        <source>Create a new player ?</source>
        <translation>Create a new player ?</translation>
    </message>
    <message>
        <source>The player you have just changed plays in other matches: is it the same player or a new one ?</source>
        <translation>The player you have just changed plays in other matches: is it the same player or a new one ?</translation>
    </message>
    <message>
        <source>Same player</source>
        <translation>Same player</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>New player</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_QUEST_OUI_NON</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No !</source>
        <translation>No !</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_QUEST_OUI_NON_TOUS</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No !</source>
        <translation>No !</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Delete all</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_RENOMMAGE</name>
    <message>
        <source>New name</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>Current name :</source>
        <translation>Current name :</translation>
    </message>
    <message>
        <source>New name :</source>
        <translation>New name :</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_EPREUVE</name>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>The event</source>
        <translation>The event</translation>
    </message>
    <message>
        <source>Corporate</source>
        <translation>Corporate</translation>
    </message>
    <message>
        <source>Event &amp;name</source>
        <translation>Event &amp;name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Age category</source>
        <translation>Age category</translation>
    </message>
    <message>
        <source>Homologation</source>
        <translation>Homologation</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Event won</source>
        <translation>Event won</translation>
    </message>
    <message>
        <source>Best ranking of the event (having lost)</source>
        <translation>Best ranking of the event (having lost)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;End</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Prize money</source>
        <translation>Prize money</translation>
    </message>
    <message>
        <source>Entry fee</source>
        <translation>Entry fee</translation>
    </message>
    <message>
        <source>Travel costs</source>
        <translation>Travel costs</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Prizes</translation>
    </message>
    <message>
        <source>Comments on how the event went</source>
        <translation>Comments on how the event went</translation>
    </message>
    <message>
        <source>Create a season first: matches and events are entered in a season.</source>
        <translation>Create a season first: matches and events are entered in a season.</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_JOUEUR</name>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Home phone</source>
        <translation>Home phone</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <translation>Mobile phone</translation>
    </message>
    <message>
        <source>Work phone</source>
        <translation>Work phone</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>See the matches played</source>
        <translation>See the matches played</translation>
    </message>
    <message>
        <source>Ranking evolution</source>
        <translation>Ranking evolution</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_RENCONTRE</name>
    <message>
        <source>Match</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Event...</source>
        <translation>&amp;Event...</translation>
    </message>
    <message>
        <source>&amp;Place</source>
        <translation>&amp;Place</translation>
    </message>
    <message>
        <source>S&amp;urface</source>
        <translation>S&amp;urface</translation>
    </message>
    <message>
        <source>&amp;Indoor court</source>
        <translation>&amp;Indoor court</translation>
    </message>
    <message>
        <source>Dou&amp;bles</source>
        <translation>Dou&amp;bles</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>&amp;Victory</source>
        <translation>&amp;Victory</translation>
    </message>
    <message>
        <source>Defea&amp;t</source>
        <translation>Defea&amp;t</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Score</translation>
    </message>
    <message>
        <source>Retirement</source>
        <translation>Retirement</translation>
    </message>
    <message>
        <source>Excused W.O.</source>
        <translation>Excused W.O.</translation>
    </message>
    <message>
        <source>Not excused W.O.</source>
        <translation>Not excused W.O.</translation>
    </message>
    <message>
        <source>New FFT rules</source>
        <translation>New FFT rules</translation>
    </message>
    <message>
        <source>4 games/set</source>
        <translation>4 games/set</translation>
    </message>
    <message>
        <source>no ad.</source>
        <translation>no ad.</translation>
    </message>
    <message>
        <source>3rd set: tie-break</source>
        <translation>3rd set: tie-break</translation>
    </message>
    <message>
        <source>no let</source>
        <translation>no let</translation>
    </message>
    <message>
        <source>General comment</source>
        <translation>General comment</translation>
    </message>
    <message>
        <source>My strong points in the match</source>
        <translation>My strong points in the match</translation>
    </message>
    <message>
        <source>My weak points in the match</source>
        <translation>My weak points in the match</translation>
    </message>
    <message>
        <source>This match is already open.</source>
        <translation>This match is already open.</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_UTILISATEUR</name>
    <message>
        <source>Your description</source>
        <translation>Your description</translation>
    </message>
    <message>
        <source>Please enter your details</source>
        <translation>Please enter your details</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Birth date</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SELECTION_JOUEUR</name>
    <message>
        <source>Select a player</source>
        <translation>Select a player</translation>
    </message>
    <message>
        <source>Contacts only</source>
        <translation>Contacts only</translation>
    </message>
    <message>
        <source>Players of my club only</source>
        <translation>Players of my club only</translation>
    </message>
    <message>
        <source>First names</source>
        <translation>First names</translation>
    </message>
    <message>
        <source>Surnames</source>
        <translation>Surnames</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Ascending</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Go to</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>Sort by:</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Selection :</source>
        <translation>Selection :</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SELECTION_SYSCLASS</name>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Cannot open the file %1:
%2</source>
        <translation>Cannot open the file %1:
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be deleted:
%2</source>
        <translation>The file %1 could not be deleted:
%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>E&amp;dit</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_TRADUCTION_CLASSEMENT</name>
    <message>
        <source>Change of ranking system</source>
        <translation>Change of ranking system</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_VISU_RENCONTRES</name>
    <message>
        <source>Match viewer</source>
        <translation>Match viewer</translation>
    </message>
    <message>
        <source>To see one of the matches in detail, "double-click" on it!</source>
        <translation>To see one of the matches in detail, "double-click" on it!</translation>
    </message>
</context>
<context>
    <name>scorvane::DocumentSession</name>
    <message>
        <source>Zezovu files (*.ten)</source>
        <translation>Zezovu files (*.ten)</translation>
    </message>
    <message>
        <source>The document was not saved:
%1</source>
        <translation>The document was not saved:
%1</translation>
    </message>
    <message>
        <source>Some characters cannot be stored in a Scorvane file and will be saved as "?" in:
%1

Save anyway?</source>
        <translation>Some characters cannot be stored in a Scorvane file and will be saved as "?" in:
%1

Save anyway?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... and %1 more</translation>
    </message>
</context>
<context>
    <name>scorvane::FileChoosers</name>
    <message>
        <source>Zezovu files (*.ten)</source>
        <translation>Zezovu files (*.ten)</translation>
    </message>
</context>
<context>
    <name>scorvane::GradeListEditor</name>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>Grades</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Move the grade up</source>
        <translation>Move the grade up</translation>
    </message>
    <message>
        <source>Move the grade down</source>
        <translation>Move the grade down</translation>
    </message>
</context>
<context>
    <name>scorvane::HelpWindow</name>
    <message>
        <source>Scorvane Help</source>
        <translation>Scorvane Help</translation>
    </message>
</context>
<context>
    <name>scorvane::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Season</source>
        <translation>&amp;Season</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>&amp;Document information</source>
        <translation>&amp;Document information</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Print pre&amp;view</source>
        <translation>Print pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;Export to PDF...</source>
        <translation>&amp;Export to PDF...</translation>
    </message>
    <message>
        <source>P&amp;rint setup...</source>
        <translation>P&amp;rint setup...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Add a new season</source>
        <translation>Add a new season</translation>
    </message>
    <message>
        <source>Delete the active season</source>
        <translation>Delete the active season</translation>
    </message>
    <message>
        <source>Own p&amp;age</source>
        <translation>Own p&amp;age</translation>
    </message>
    <message>
        <source>Registered &amp;players</source>
        <translation>Registered &amp;players</translation>
    </message>
    <message>
        <source>Active season &amp;finances</source>
        <translation>Active season &amp;finances</translation>
    </message>
    <message>
        <source>Active season &amp;summary</source>
        <translation>Active season &amp;summary</translation>
    </message>
    <message>
        <source>Active season &amp;matches</source>
        <translation>Active season &amp;matches</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>S&amp;tatistics</translation>
    </message>
    <message>
        <source>Registered &amp;clubs</source>
        <translation>Registered &amp;clubs</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>&amp;Tool bar</translation>
    </message>
    <message>
        <source>Light &amp;navigation bar</source>
        <translation>Light &amp;navigation bar</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>Status &amp;bar</translation>
    </message>
    <message>
        <source>Background colour...</source>
        <translation>Background colour...</translation>
    </message>
    <message>
        <source>Frame colour...</source>
        <translation>Frame colour...</translation>
    </message>
    <message>
        <source>Default colours</source>
        <translation>Default colours</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>&amp;Influence of service success</source>
        <translation>&amp;Influence of service success</translation>
    </message>
    <message>
        <source>Edit &amp;surfaces</source>
        <translation>Edit &amp;surfaces</translation>
    </message>
    <message>
        <source>Edit financial &amp;categories</source>
        <translation>Edit financial &amp;categories</translation>
    </message>
    <message>
        <source>Edit &amp;events</source>
        <translation>Edit &amp;events</translation>
    </message>
    <message>
        <source>Edit c&amp;lubs</source>
        <translation>Edit c&amp;lubs</translation>
    </message>
    <message>
        <source>Change the ranking system</source>
        <translation>Change the ranking system</translation>
    </message>
    <message>
        <source>Ranking s&amp;ystems</source>
        <translation>Ranking s&amp;ystems</translation>
    </message>
    <message>
        <source>&amp;Currency in use</source>
        <translation>&amp;Currency in use</translation>
    </message>
    <message>
        <source>Help on this page</source>
        <translation>Help on this page</translation>
    </message>
    <message>
        <source>&amp;Tip of the day</source>
        <translation>&amp;Tip of the day</translation>
    </message>
    <message>
        <source>&amp;About Scorvane...</source>
        <translation>&amp;About Scorvane...</translation>
    </message>
    <message>
        <source>Switch the program to French</source>
        <translation>Switch the program to French</translation>
    </message>
    <message>
        <source>This command comes in a later version of Scorvane.</source>
        <translation>This command comes in a later version of Scorvane.</translation>
    </message>
    <message>
        <source>My ranking &amp;history...</source>
        <translation>My ranking &amp;history...</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>Next pane</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Previous pane</translation>
    </message>
</context>
<context>
    <name>scorvane::NavigationBar</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
</context>
<context>
    <name>scorvane::NavigationPane</name>
    <message>
        <source>Own page</source>
        <translation>Own page</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Active season</source>
        <translation>Active season</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finances</translation>
    </message>
    <message>
        <source>New season</source>
        <translation>New season</translation>
    </message>
    <message>
        <source>Delete season</source>
        <translation>Delete season</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_GRAPHIQUES</name>
    <message>
        <source>Reset filters</source>
        <translation>Reset filters</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copy as text</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_PALMARES</name>
    <message>
        <source>New &amp;match</source>
        <translation>New &amp;match</translation>
    </message>
    <message>
        <source>&amp;New event</source>
        <translation>&amp;New event</translation>
    </message>
    <message>
        <source>&amp;Columns shown</source>
        <translation>&amp;Columns shown</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Sort the matches</source>
        <translation>Sort the matches</translation>
    </message>
    <message>
        <source>By win or loss</source>
        <translation>By win or loss</translation>
    </message>
    <message>
        <source>By date</source>
        <translation>By date</translation>
    </message>
    <message>
        <source>By ranking</source>
        <translation>By ranking</translation>
    </message>
    <message>
        <source>By future ranking</source>
        <translation>By future ranking</translation>
    </message>
    <message>
        <source>By event</source>
        <translation>By event</translation>
    </message>
    <message>
        <source>By first name</source>
        <translation>By first name</translation>
    </message>
    <message>
        <source>By surname</source>
        <translation>By surname</translation>
    </message>
    <message>
        <source>In ascending order</source>
        <translation>In ascending order</translation>
    </message>
    <message>
        <source>In descending order</source>
        <translation>In descending order</translation>
    </message>
    <message>
        <source>Edit the match</source>
        <translation>Edit the match</translation>
    </message>
    <message>
        <source>Delete the match</source>
        <translation>Delete the match</translation>
    </message>
    <message>
        <source>Delete the selected matches</source>
        <translation>Delete the selected matches</translation>
    </message>
    <message>
        <source>Add a match to the event</source>
        <translation>Add a match to the event</translation>
    </message>
    <message>
        <source>Edit the event</source>
        <translation>Edit the event</translation>
    </message>
    <message>
        <source>Delete the event</source>
        <translation>Delete the event</translation>
    </message>
    <message>
        <source>Columns shown</source>
        <translation>Columns shown</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>New match</translation>
    </message>
    <message>
        <source>New event</source>
        <translation>New event</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_PERSO</name>
    <message>
        <source>Edit &amp;description</source>
        <translation>Edit &amp;description</translation>
    </message>
    <message>
        <source>Change &amp;photo</source>
        <translation>Change &amp;photo</translation>
    </message>
    <message>
        <source>Edit a &amp;season</source>
        <translation>Edit a &amp;season</translation>
    </message>
    <message>
        <source>&amp;Add a season</source>
        <translation>&amp;Add a season</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Rankings</source>
        <translation>&amp;Rankings</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_PROPRIETE_JOUEUR</name>
    <message>
        <source>Anonymous</source>
        <translation>Anonymous</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>Left-handed</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;List</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;First name</source>
        <translation>&amp;First name</translation>
    </message>
    <message>
        <source>Sur&amp;name</source>
        <translation>Sur&amp;name</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Year of birth</translation>
    </message>
    <message>
        <source>Strengths</source>
        <translation>Strengths</translation>
    </message>
    <message>
        <source>Weaknesses</source>
        <translation>Weaknesses</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_SAISON</name>
    <message>
        <source>Singles</source>
        <translation>Singles</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Doubles</translation>
    </message>
    <message>
        <source>Friendly</source>
        <translation>Friendly</translation>
    </message>
    <message>
        <source>Individual championship</source>
        <translation>Individual championship</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Tournament</translation>
    </message>
    <message>
        <source>Corporate</source>
        <translation>Corporate</translation>
    </message>
    <message>
        <source>Homologated matches</source>
        <translation>Homologated matches</translation>
    </message>
    <message>
        <source>Non homologated competition</source>
        <translation>Non homologated competition</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copy as text</translation>
    </message>
</context>
<context>
    <name>scorvane::PagePrinter</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written.</source>
        <translation>The PDF file %1 could not be written.</translation>
    </message>
</context>
<context>
    <name>scorvane::PlaceholderPage</name>
    <message>
        <source>Registered clubs</source>
        <translation>Registered clubs</translation>
    </message>
    <message>
        <source>This page comes in a later version of Scorvane.</source>
        <translation>This page comes in a later version of Scorvane.</translation>
    </message>
</context>
<context>
    <name>scorvane::StatisticsFilterPanel</name>
    <message>
        <source>Only the matches played between</source>
        <translation>Only the matches played between</translation>
    </message>
    <message>
        <source>and</source>
        <comment>between two dates</comment>
        <translation>and</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Opponents</translation>
    </message>
    <message>
        <source>For a doubles, keep the match if</source>
        <translation>For a doubles, keep the match if</translation>
    </message>
    <message>
        <source>Only the opponents aged on the day of the match between</source>
        <translation>Only the opponents aged on the day of the match between</translation>
    </message>
    <message>
        <source>years and</source>
        <translation>years and</translation>
    </message>
    <message>
        <source>years (left out without an age)</source>
        <translation>years (left out without an age)</translation>
    </message>
    <message>
        <source>Only</source>
        <translation>Only</translation>
    </message>
    <message>
        <source>Only if ranked between</source>
        <translation>Only if ranked between</translation>
    </message>
    <message>
        <source>and</source>
        <translation>and</translation>
    </message>
</context>
<context>
    <name>scorvane::TipDialog</name>
    <message>
        <source>Tip of the day</source>
        <translation>Tip of the day</translation>
    </message>
    <message>
        <source>&amp;Show tips at start-up</source>
        <translation>&amp;Show tips at start-up</translation>
    </message>
    <message>
        <source>&amp;Next tip</source>
        <translation>&amp;Next tip</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>scorvane::WelcomeDialog</name>
    <message>
        <source>Welcome to Scorvane</source>
        <translation>Welcome to Scorvane</translation>
    </message>
    <message>
        <source>Create a &amp;new file</source>
        <translation>Create a &amp;new file</translation>
    </message>
    <message>
        <source>Open the &amp;last file</source>
        <translation>Open the &amp;last file</translation>
    </message>
    <message>
        <source>&amp;Open a file...</source>
        <translation>&amp;Open a file...</translation>
    </message>
    <message>
        <source>&amp;Read this before starting</source>
        <translation>&amp;Read this before starting</translation>
    </message>
    <message>
        <source>&amp;Quit !</source>
        <translation>&amp;Quit !</translation>
    </message>
    <message>
        <source>Scorvane keeps your tennis record: your seasons, events and matches, the players you meet, your rankings and your tennis budget. Start with a new file.</source>
        <translation>Scorvane keeps your tennis record: your seasons, events and matches, the players you meet, your rankings and your tennis budget. Start with a new file.</translation>
    </message>
    <message>
        <source>Passer en français</source>
        <translation>Passer en français</translation>
    </message>
</context>
</TS>