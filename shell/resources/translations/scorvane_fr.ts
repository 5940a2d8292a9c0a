<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>NextGrade</name>
    <message>
        <source>1 win</source>
        <translation>1 victoire</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 victoires</translation>
    </message>
    <message>
        <source>%1 over %2 or better</source>
        <translation>%1 contre des %2 ou mieux</translation>
    </message>
    <message>
        <source>%1 defeats or more</source>
        <translation>%1 défaites ou plus</translation>
    </message>
    <message>
        <source>1 defeat</source>
        <translation>1 défaite</translation>
    </message>
    <message>
        <source>%1 defeats</source>
        <translation>%1 défaites</translation>
    </message>
    <message>
        <source>%1 against %2 (the same grade)</source>
        <translation>%1 contre des %2 (échelon égal)</translation>
    </message>
    <message>
        <source>%1 against %2 (one grade lower)</source>
        <translation>%1 contre des %2 (échelon inférieur)</translation>
    </message>
    <message>
        <source>WHAT NEXT?</source>
        <translation>ET ENSUITE ?</translation>
    </message>
    <message>
        <source>%1 is the highest grade: there is no grade above it.</source>
        <translation>%1 est le meilleur classement : il n&apos;y a rien au-dessus.</translation>
    </message>
    <message>
        <source>WHAT WOULD TAKE YOU UP TO %1?</source>
        <translation>QUE FAUT-IL POUR MONTER À %1 ?</translation>
    </message>
    <message>
        <source>At %1 your season is worth %2 points; %3 are needed to go up to %4</source>
        <translation>À %1 votre saison vaut %2 points ; il en faut %3 pour monter à %4</translation>
    </message>
    <message>
        <source> (%1 missing).</source>
        <translation> (il en manque %1).</translation>
    </message>
    <message>
        <source> (reached, but the rise would not be kept).</source>
        <translation> (atteint, mais la montée ne serait pas maintenue).</translation>
    </message>
    <message>
        <source>No number of wins up to %1 over players of one grade takes you to %2.</source>
        <translation>Aucun nombre de victoires jusqu&apos;à %1 contre des joueurs d&apos;un même classement ne vous fait monter à %2.</translation>
    </message>
    <message>
        <source>Any one of these would take you to %1:</source>
        <translation>Chacune de ces possibilités vous ferait monter à %1 :</translation>
    </message>
    <message>
        <source>Defeats your estimate can still take:</source>
        <translation>Défaites que votre estimation peut encore supporter :</translation>
    </message>
    <message>
        <source>%1 would take you to %2</source>
        <translation>%1 vous feraient monter à %2</translation>
    </message>
    <message>
        <source>Tried at %1 your season is worth %2 points; its norm is %3</source>
        <translation>Testé à %1, votre saison vaut %2 points ; la norme est de %3</translation>
    </message>
</context>
<context>
    <name>PageTitle</name>
    <message>
        <source>Registered clubs</source>
        <translation>Clubs enregistrés</translation>
    </message>
</context>
<context>
    <name>scorvane::AboutDialog</name>
    <message>
        <source>About Scorvane</source>
        <translation>À propos de Scorvane</translation>
    </message>
    <message>
        <source>Your tennis record: seasons, events, matches, players, clubs, rankings and money, with the estimate of your next ranking and statistics on every match you play.</source>
        <translation>Votre palmarès de tennis : saisons, épreuves, rencontres, joueurs, clubs, classements et finances, avec l&apos;estimation de votre prochain classement et des statistiques sur toutes vos rencontres.</translation>
    </message>
</context>
<context>
    <name>scorvane::ChartWidget</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>Image PNG (*.png);;Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>L&apos;image %1 n&apos;a pas pu être écrite.</translation>
    </message>
</context>
<context>
    <name>scorvane::DETAILS_FFT</name>
    <message>
        <source>&amp;Back to the summary</source>
        <translation>&amp;Retour au BILAN</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Explanations</source>
        <translation>&amp;Explications</translation>
    </message>
    <message>
        <source>&amp;Starting points</source>
        <translation>&amp;Capitaux de départ</translation>
    </message>
    <message>
        <source>&amp;Min. victories kept</source>
        <translation>&amp;Nb min de victoires retenues </translation>
    </message>
    <message>
        <source>Extra &amp;victories</source>
        <translation>Victoires &amp;supp.</translation>
    </message>
    <message>
        <source>Victory &amp;scale</source>
        <translation>&amp;Barème victoire</translation>
    </message>
    <message>
        <source>&amp;Upgrades, downgrades</source>
        <translation>&amp;Montées, descentes</translation>
    </message>
    <message>
        <source>&amp;What if...</source>
        <translation>&amp;Et si...</translation>
    </message>
    <message>
        <source>Result: %1 (%2 without the planned matches)</source>
        <translation>Résultat : %1 (%2 sans les rencontres prévues)</translation>
    </message>
    <message>
        <source>Bilan at %1: %2 points (%3 at %4)</source>
        <translation>Bilan à %1 : %2 points (%3 à %4)</translation>
    </message>
    <message>
        <source>Victories kept: %1 (%2)</source>
        <translation>Victoires retenues : %1 (%2)</translation>
    </message>
    <message>
        <source>Missing for %1: %2 points (%3 for %4)</source>
        <translation>Manque pour %1 : %2 points (%3 pour %4)</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_COLONNES_JOUEURS</name>
    <message>
        <source>Information shown for the players</source>
        <translation>Informations affichées pour les joueurs</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Head-to-head</source>
        <translation>Face-à-face</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_COLONNES_PALMARES</name>
    <message>
        <source>Columns shown</source>
        <translation>Colonnes affichées</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_DEVISE</name>
    <message>
        <source>Euros</source>
        <translation>Euros</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Monnaie</translation>
    </message>
    <message>
        <source>Amounts are shown and entered in</source>
        <translation>Les sommes sont affichées et saisies en</translation>
    </message>
    <message>
        <source>Value of the euro</source>
        <translation>Valeur de l&apos;Euro</translation>
    </message>
    <message>
        <source>The value of the euro must be a number of francs from %1 to %2, for example 6.55957.</source>
        <translation>La valeur de l&apos;euro doit être un nombre de francs de %1 à %2, par exemple 6.55957.</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_DOC_INFO</name>
    <message>
        <source>Information about the current document</source>
        <translation>Informations sur le document en cours</translation>
    </message>
    <message>
        <source>Number of seasons :</source>
        <translation>Nombre de saisons :</translation>
    </message>
    <message>
        <source>Number of different events :</source>
        <translation>Nombre d&apos;épreuves différentes :</translation>
    </message>
    <message>
        <source>Total number of matches :</source>
        <translation>Nombre total de rencontres :</translation>
    </message>
    <message>
        <source>Singles :</source>
        <translation>Simples :</translation>
    </message>
    <message>
        <source>Doubles :</source>
        <translation>Doubles :</translation>
    </message>
    <message>
        <source>Number of listed players :</source>
        <translation>Nombre de joueurs répertoriés :</translation>
    </message>
    <message>
        <source>Number of anonymous players :</source>
        <translation>Nombre de joueurs anonymes :</translation>
    </message>
    <message>
        <source>Number of contacts :</source>
        <translation>Nombre de contacts :</translation>
    </message>
    <message>
        <source>Ranking system used :</source>
        <translation>Système de classement utilisé :</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_EDITION_SYSCLASS</name>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Veuillez entrer un nombre entier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds characters that a ranking-system file cannot store. Please write it with other characters.</source>
        <translation>« %1 » contient des caractères qu&apos;un fichier de système de classement ne peut pas garder. Écrivez-le avec d&apos;autres caractères.</translation>
    </message>
    <message>
        <source>Ranking system</source>
        <translation>Système de classement</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Description :</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>One ranking per sports year</source>
        <translation>Un seul classement par année sportive</translation>
    </message>
    <message>
        <source>Rankings</source>
        <translation>Classements</translation>
    </message>
    <message>
        <source>Numbers (points, position, etc.)</source>
        <translation>Numéros (points, position, etc.)</translation>
    </message>
    <message>
        <source>Grades (grades, groups, etc.), from the strongest to the weakest</source>
        <translation>Échelons (grades, groupes, etc.), du plus fort au plus faible</translation>
    </message>
    <message>
        <source>The strongest</source>
        <translation>Le plus fort</translation>
    </message>
    <message>
        <source>The weakest</source>
        <translation>Le plus faible</translation>
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
        <translation>Classement</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>This history cannot hold more rankings.</source>
        <translation>Cet historique ne peut pas recevoir d&apos;autres classements.</translation>
    </message>
    <message>
        <source>Edit rankings</source>
        <translation>Édition des classements</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
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
        <translation>Classement</translation>
    </message>
    <message>
        <source>Ranking :</source>
        <translation>Classement :</translation>
    </message>
    <message>
        <source>From :</source>
        <translation>À partir du :</translation>
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
        <translation>&amp;Modifier</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_GRAPHIQUE_FINANCES</name>
    <message>
        <source>Active season finances</source>
        <translation>Finances de la saison active</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_JOUEURS_SEMBLABLES</name>
    <message>
        <source>Similar player</source>
        <translation>Joueur semblable</translation>
    </message>
    <message>
        <source>It is the same player!</source>
        <translation>C&apos;est le même joueur !</translation>
    </message>
    <message>
        <source>Different player</source>
        <translation>Joueur différent</translation>
    </message>
    <message>
        <source>Show that player</source>
        <translation>Voir le joueur en question</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_MODIF_RUBRIQUES</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Selection :</source>
        <translation>Sélection :</translation>
    </message>
    <message>
        <source>Cancel all</source>
        <translation>Tout annuler</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_NOUVELLE_RENCONTRE</name>
    <message>
        <source>Creating a new match</source>
        <translation>Création d&apos;une nouvelle rencontre</translation>
    </message>
    <message>
        <source>Choose the event of the new match (double-click on it):</source>
        <translation>Choisissez l&apos;épreuve de la nouvelle rencontre (double-cliquez dessus) :</translation>
    </message>
    <message>
        <source>Add the new match to the season&apos;s &amp;friendly matches</source>
        <translation>Ajouter la nouvelle rencontre aux rencontres &amp;amicales de la saison</translation>
    </message>
    <message>
        <source>Add a &amp;new event to the season to add the match to it</source>
        <translation>Ajouter une &amp;nouvelle épreuve à la saison pour y ajouter la rencontre</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_NOUVELLE_RUBRIQUE</name>
    <message>
        <source>Adding a new item</source>
        <translation>Ajout d&apos;un nouvel élément</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_NOUVELLE_SAISON</name>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Ranking for the season</source>
        <translation>Classement pour la saison</translation>
    </message>
    <message>
        <source>Comments/notes on the season</source>
        <translation>Commentaires/notes sur la saison</translation>
    </message>
    <message>
        <source>A tip for new users:</source>
        <translation>Un conseil pour les nouveaux utilisateurs:</translation>
    </message>
    <message>
        <source>To add, change or delete the matches of your seasons, go to the Matches page!</source>
        <translation>Pour ajouter/modifier/supprimer des rencontres à vos saisons, passez par la page Palmarès !</translation>
    </message>
    <message>
        <source>The season&apos;s year must be from %1 to %2.</source>
        <translation>L&apos;année de la saison doit être comprise entre %1 et %2.</translation>
    </message>
    <message>
        <source>Season %1 already exists.</source>
        <translation>La saison %1 existe déjà.</translation>
    </message>
    <message>
        <source>There is no season %1.</source>
        <translation>Il n&apos;y a pas de saison %1.</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_PROBAS_SERVICE</name>
    <message>
        <source>Influence of service success</source>
        <translation>Influence de la réussite du service</translation>
    </message>
    <message>
        <source>% 1st serve</source>
        <translation>% 1er service</translation>
    </message>
    <message>
        <source>% pts on 1st serve</source>
        <translation>% pts sur 1er serv.</translation>
    </message>
    <message>
        <source>% 2nd serve</source>
        <translation>% 2ème service</translation>
    </message>
    <message>
        <source>% pts on 2nd serve</source>
        <translation>% pts sur 2ème serv.</translation>
    </message>
    <message>
        <source>Probability of winning a service point</source>
        <translation>Probabilité de gagner un point de service</translation>
    </message>
    <message>
        <source>Probability of winning a point on a 1st serve</source>
        <translation>Probabilité de gagner un point sur 1er service</translation>
    </message>
    <message>
        <source>Probability of a double fault</source>
        <translation>Probabilité de commettre une double faute</translation>
    </message>
    <message>
        <source>At deuce, probability of winning the game</source>
        <translation>Sur égalité, probabilité de gagner le jeu</translation>
    </message>
    <message>
        <source>Probability of winning one&apos;s service game</source>
        <translation>Probabilité de gagner son jeu de service</translation>
    </message>
    <message>
        <source>Your service</source>
        <translation>Votre service</translation>
    </message>
    <message>
        <source>What follows</source>
        <translation>Ce qui en découle</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_QUEST_NOUVEAU_JOUEUR</name>
    <message>
        <source>Create a new player ?</source>
        <translation>Création d&apos;un nouveau joueur ?</translation>
    </message>
    <message>
        <source>The player you have just changed plays in other matches: is it the same player or a new one ?</source>
        <translation>Le joueur qui vient d&apos;être modifié est impliqué dans d&apos;autres rencontres, s&apos;agit-il du même joueur ou d&apos;un nouveau ?</translation>
    </message>
    <message>
        <source>Same player</source>
        <translation>Même joueur</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Nouveau joueur</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>No !</source>
        <translation>Non !</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>No !</source>
        <translation>Non !</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Tout supprimer</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_RENOMMAGE</name>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Current name :</source>
        <translation>Nom actuel :</translation>
    </message>
    <message>
        <source>New name :</source>
        <translation>Nouveau nom :</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_EPREUVE</name>
    <message>
        <source>Event</source>
        <translation>Épreuve</translation>
    </message>
    <message>
        <source>The event</source>
        <translation>L&apos;épreuve</translation>
    </message>
    <message>
        <source>Corporate</source>
        <translation>Corporatif</translation>
    </message>
    <message>
        <source>Event &amp;name</source>
        <translation>&amp;Nom de l&apos;épreuve</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Age category</source>
        <translation>Catégorie d&apos;âge</translation>
    </message>
    <message>
        <source>Homologation</source>
        <translation>Homologation</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Event won</source>
        <translation>Épreuve remportée</translation>
    </message>
    <message>
        <source>Best ranking of the event (having lost)</source>
        <translation>Meilleur clst de l&apos;épreuve (ayant perdu)</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Début</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Fin</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Prize money</source>
        <translation>Somme gagnée</translation>
    </message>
    <message>
        <source>Entry fee</source>
        <translation>Engagement</translation>
    </message>
    <message>
        <source>Travel costs</source>
        <translation>Frais pour déplacements</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Lots</translation>
    </message>
    <message>
        <source>Comments on how the event went</source>
        <translation>Commentaires sur le déroulement de l&apos;épreuve</translation>
    </message>
    <message>
        <source>Create a season first: matches and events are entered in a season.</source>
        <translation>Créez d&apos;abord une saison : les rencontres et les épreuves se saisissent dans une saison.</translation>
    </message>
    <message>
        <source>%1: enter an amount from 0 to %2 %3, for example 1 500,50.</source>
        <translation>%1 : saisissez une somme de 0 à %2 %3, par exemple 1 500,50.</translation>
    </message>
    <message>
        <source>The event runs from %1 to %2, far from season %3 (1 November %4 to 31 October %3). Is this period right?</source>
        <translation>L&apos;épreuve se déroule du %1 au %2, loin de la saison %3 (1er novembre %4 au 31 octobre %3). Cette période est-elle juste ?</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_JOUEUR</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Home phone</source>
        <translation>Tél. domicile</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <translation>Tél. portable</translation>
    </message>
    <message>
        <source>Work phone</source>
        <translation>Tél. bureau</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>See the matches played</source>
        <translation>Voir les rencontres disputées</translation>
    </message>
    <message>
        <source>Ranking evolution</source>
        <translation>Évolution du classement</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_OPERATION</name>
    <message>
        <source>Financial operation</source>
        <translation>Opération financière</translation>
    </message>
    <message>
        <source>Paid to</source>
        <translation>Payé à</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount: enter an amount from 0 to %1 %2, for example 1 500,50.</source>
        <translation>Somme : saisissez une somme de 0 à %1 %2, par exemple 1 500,50.</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_RENCONTRE</name>
    <message>
        <source>Match</source>
        <translation>Rencontre</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Event...</source>
        <translation>É&amp;preuve...</translation>
    </message>
    <message>
        <source>&amp;Place</source>
        <translation>&amp;Lieu</translation>
    </message>
    <message>
        <source>S&amp;urface</source>
        <translation>S&amp;urface</translation>
    </message>
    <message>
        <source>&amp;Indoor court</source>
        <translation>Court &amp;couvert</translation>
    </message>
    <message>
        <source>Dou&amp;bles</source>
        <translation>Dou&amp;ble</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Victory</source>
        <translation>&amp;Victoire</translation>
    </message>
    <message>
        <source>Defea&amp;t</source>
        <translation>Dé&amp;faite</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Score</translation>
    </message>
    <message>
        <source>Retirement</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>Excused W.O.</source>
        <translation>W.O. excusé</translation>
    </message>
    <message>
        <source>Not excused W.O.</source>
        <translation>W.O. non excusé</translation>
    </message>
    <message>
        <source>New FFT rules</source>
        <translation>Nouvelles règles FFT</translation>
    </message>
    <message>
        <source>4 games/set</source>
        <translation>4 jeux/set</translation>
    </message>
    <message>
        <source>no ad.</source>
        <translation>no ad.</translation>
    </message>
    <message>
        <source>3rd set: tie-break</source>
        <translation>3e set: tie-brk</translation>
    </message>
    <message>
        <source>no let</source>
        <translation>pas de let</translation>
    </message>
    <message>
        <source>General comment</source>
        <translation>Commentaire général</translation>
    </message>
    <message>
        <source>My strong points in the match</source>
        <translation>Mes points forts dans la rencontre</translation>
    </message>
    <message>
        <source>My weak points in the match</source>
        <translation>Mes points faibles dans la rencontre</translation>
    </message>
    <message>
        <source>This match is already open.</source>
        <translation>Cette rencontre est déjà ouverte.</translation>
    </message>
    <message>
        <source>Accepted: 6/4 7/6(5) or 6-4 7-6(5), comments in brackets.</source>
        <translation>Notations acceptées : 6/4 7/6(5) ou 6-4 7-6(5), commentaires entre parenthèses.</translation>
    </message>
    <message>
        <source>The match is recorded as won, but the score gives your opponent more sets.</source>
        <translation>La rencontre est notée gagnée, mais le score donne plus de sets à votre adversaire.</translation>
    </message>
    <message>
        <source>The match is recorded as lost, but the score gives you more sets.</source>
        <translation>La rencontre est notée perdue, mais le score vous donne plus de sets.</translation>
    </message>
    <message>
        <source>The score gives no set for a match that was played (not a walk-over).</source>
        <translation>Le score ne donne aucun set pour une rencontre jouée (pas un forfait).</translation>
    </message>
    <message>
        <source>The score has a set with as many games on both sides.</source>
        <translation>Le score a un set avec autant de jeux de chaque côté.</translation>
    </message>
    <message>
        <source>The score has a number that cannot be the games of a set.</source>
        <translation>Le score a un nombre qui ne peut pas être un nombre de jeux d&apos;un set.</translation>
    </message>
    <message>
        <source>The score goes on after one side has won three sets.</source>
        <translation>Le score continue après trois sets gagnés par un côté.</translation>
    </message>
    <message>
        <source>Store the score as it is?</source>
        <translation>Enregistrer le score tel quel ?</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SAISIE_UTILISATEUR</name>
    <message>
        <source>Your description</source>
        <translation>Votre fiche</translation>
    </message>
    <message>
        <source>Please enter your details</source>
        <translation>Veuillez saisir les informations vous concernant</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Date de naissance</translation>
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
        <translation>Sélection d&apos;un joueur</translation>
    </message>
    <message>
        <source>Contacts only</source>
        <translation>Contacts seulement</translation>
    </message>
    <message>
        <source>Players of my club only</source>
        <translation>Joueurs de mon club seulement</translation>
    </message>
    <message>
        <source>First names</source>
        <translation>Prénoms</translation>
    </message>
    <message>
        <source>Surnames</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Atteindre</translation>
    </message>
    <message>
        <source>Sort by:</source>
        <translation>Trier par :</translation>
    </message>
    <message>
        <source>in</source>
        <translation>dans</translation>
    </message>
    <message>
        <source>Selection :</source>
        <translation>Sélection :</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_SELECTION_SYSCLASS</name>
    <message>
        <source>Custom</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cannot open the file %1:
%2</source>
        <translation>Impossible d&apos;ouvrir le fichier %1 :
%2</translation>
    </message>
    <message>
        <source>The file %1 could not be deleted:
%2</source>
        <translation>Le fichier %1 n&apos;a pas pu être supprimé :
%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>Mo&amp;difier</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_TRADUCTION_CLASSEMENT</name>
    <message>
        <source>Change of ranking system</source>
        <translation>Changement de système de classement</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_VISUALISATION_OPERATIONS</name>
    <message>
        <source>Financial operations</source>
        <translation>Opérations financières</translation>
    </message>
</context>
<context>
    <name>scorvane::DLG_VISU_RENCONTRES</name>
    <message>
        <source>Match viewer</source>
        <translation>Visualisation de rencontres</translation>
    </message>
    <message>
        <source>To see one of the matches in detail, &quot;double-click&quot; on it!</source>
        <translation>Pour voir plus précisément une des rencontres, &quot;double-cliquez&quot; dessus !</translation>
    </message>
</context>
<context>
    <name>scorvane::DocumentSession</name>
    <message>
        <source>Zezovu files (*.ten)</source>
        <translation>Fichiers Zezovu (*.ten)</translation>
    </message>
    <message>
        <source>The document was not saved:
%1</source>
        <translation>Le document n&apos;a pas été enregistré :
%1</translation>
    </message>
    <message>
        <source>Some characters cannot be stored in a Scorvane file and will be saved as &quot;?&quot; in:
%1

Save anyway?</source>
        <translation>Certains caractères ne peuvent pas être gardés dans un fichier Scorvane et seront enregistrés sous la forme « ? » dans :
%1

Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 autres</translation>
    </message>
</context>
<context>
    <name>scorvane::FileChoosers</name>
    <message>
        <source>Zezovu files (*.ten)</source>
        <translation>Fichiers Zezovu (*.ten)</translation>
    </message>
</context>
<context>
    <name>scorvane::GradeListEditor</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Grades</source>
        <translation>les échelons</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move the grade up</source>
        <translation>Monter l&apos;échelon</translation>
    </message>
    <message>
        <source>Move the grade down</source>
        <translation>Descendre l&apos;échelon</translation>
    </message>
</context>
<context>
    <name>scorvane::HelpWindow</name>
    <message>
        <source>Scorvane Help</source>
        <translation>Aide de Scorvane</translation>
    </message>
</context>
<context>
    <name>scorvane::ImportPreviewDialog</name>
    <message>
        <source> (licence %1)</source>
        <translation> (licence %1)</translation>
    </message>
    <message>
        <source>Import matches</source>
        <translation>Importer des rencontres</translation>
    </message>
    <message>
        <source>%1: matches to import: %2</source>
        <translation>%1 : rencontres à importer : %2</translation>
    </message>
    <message>
        <source>line %1: %2, %3 against %4, %5</source>
        <translation>ligne %1 : %2, %3 contre %4, %5</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gagnée</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdue</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Rencontres</translation>
    </message>
    <message>
        <source>an anonymous partner</source>
        <translation>un partenaire anonyme</translation>
    </message>
    <message>
        <source>New players</source>
        <translation>Nouveaux joueurs</translation>
    </message>
    <message>
        <source>%1, season %2</source>
        <translation>%1, saison %2</translation>
    </message>
    <message>
        <source> (new event)</source>
        <translation> (nouvelle épreuve)</translation>
    </message>
    <message>
        <source>Events entered</source>
        <translation>Épreuves disputées</translation>
    </message>
    <message>
        <source>New seasons</source>
        <translation>Nouvelles saisons</translation>
    </message>
    <message>
        <source>New surfaces</source>
        <translation>Nouvelles surfaces</translation>
    </message>
    <message>
        <source>Ignored columns</source>
        <translation>Colonnes ignorées</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Refused lines</source>
        <translation>Lignes refusées</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Import the &amp;good lines only</source>
        <translation>Importer seulement les lignes &amp;correctes</translation>
    </message>
    <message>
        <source>The matches are added to the open document, which is not saved: closing without saving leaves the file as it was.</source>
        <translation>Les rencontres sont ajoutées au document ouvert, qui n&apos;est pas enregistré : fermer sans enregistrer laisse le fichier tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>Lists of matches (*.csv *.txt);;All files (*)</source>
        <translation>Listes de rencontres (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB; a list of matches is far smaller. The document was not changed.</source>
        <translation>Le fichier %1 dépasse %2 Mo ; une liste de rencontres est bien plus petite. Le document n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>The document was not changed.</source>
        <translation>Le document n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Line %1: %2 %3</source>
        <translation>Ligne %1 : %2 %3</translation>
    </message>
</context>
<context>
    <name>scorvane::ListPage</name>
    <message>
        <source>&amp;Columns shown</source>
        <translation>&amp;Colonnes affichées</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Columns shown</source>
        <translation>Colonnes affichées</translation>
    </message>
    <message>
        <source>In ascending order</source>
        <translation>Par ordre croissant</translation>
    </message>
    <message>
        <source>In descending order</source>
        <translation>Par ordre décroissant</translation>
    </message>
</context>
<context>
    <name>scorvane::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edition</translation>
    </message>
    <message>
        <source>&amp;Season</source>
        <translation>&amp;Saison</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>En&amp;registrer sous...</translation>
    </message>
    <message>
        <source>&amp;Document information</source>
        <translation>Informations sur le &amp;document</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print pre&amp;view</source>
        <translation>Aperçu a&amp;vant impression</translation>
    </message>
    <message>
        <source>&amp;Export to PDF...</source>
        <translation>E&amp;xporter en PDF...</translation>
    </message>
    <message>
        <source>P&amp;rint setup...</source>
        <translation>C&amp;onfiguration de l&apos;impression...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Couper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Add a new season</source>
        <translation>Ajouter une nouvelle saison</translation>
    </message>
    <message>
        <source>Delete the active season</source>
        <translation>Supprimer la saison active</translation>
    </message>
    <message>
        <source>Own p&amp;age</source>
        <translation>P&amp;age personnelle</translation>
    </message>
    <message>
        <source>Registered &amp;players</source>
        <translation>&amp;Joueurs enregistrés</translation>
    </message>
    <message>
        <source>Active season &amp;finances</source>
        <translation>&amp;Finances de la saison active</translation>
    </message>
    <message>
        <source>Active season &amp;summary</source>
        <translation>&amp;Bilan de la saison active</translation>
    </message>
    <message>
        <source>Active season &amp;matches</source>
        <translation>&amp;Palmarès de la saison active</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>Registered &amp;clubs</source>
        <translation>&amp;Clubs enregistrés</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>Barre d&apos;&amp;outils</translation>
    </message>
    <message>
        <source>Light &amp;navigation bar</source>
        <translation>Barre de &amp;navigation légère</translation>
    </message>
    <message>
        <source>Status &amp;bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Background colour...</source>
        <translation>Couleur de fond...</translation>
    </message>
    <message>
        <source>Frame colour...</source>
        <translation>Couleur des cadres...</translation>
    </message>
    <message>
        <source>Default colours</source>
        <translation>Couleurs d&apos;origine</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>English</translation>
    </message>
    <message>
        <source>&amp;Influence of service success</source>
        <translation>&amp;Influence de la réussite du service</translation>
    </message>
    <message>
        <source>Edit &amp;surfaces</source>
        <translation>Édition des &amp;Surfaces</translation>
    </message>
    <message>
        <source>Edit financial &amp;categories</source>
        <translation>Édition des &amp;Catégories Financières</translation>
    </message>
    <message>
        <source>Edit &amp;events</source>
        <translation>Édition des &amp;Épreuves</translation>
    </message>
    <message>
        <source>Edit c&amp;lubs</source>
        <translation>Édition des C&amp;lubs</translation>
    </message>
    <message>
        <source>Change the ranking system</source>
        <translation>Changement de système de classement</translation>
    </message>
    <message>
        <source>Ranking s&amp;ystems</source>
        <translation>S&amp;ystèmes de classement</translation>
    </message>
    <message>
        <source>&amp;Currency in use</source>
        <translation>&amp;Monnaie utilisée</translation>
    </message>
    <message>
        <source>Help on this page</source>
        <translation>Aide sur cette page</translation>
    </message>
    <message>
        <source>&amp;Tip of the day</source>
        <translation>&amp;Note du jour</translation>
    </message>
    <message>
        <source>&amp;About Scorvane...</source>
        <translation>&amp;À propos de Scorvane...</translation>
    </message>
    <message>
        <source>Switch the program to French</source>
        <translation>Passer le logiciel en anglais</translation>
    </message>
    <message>
        <source>My ranking &amp;history...</source>
        <translation>Mon &amp;historique de classements...</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <source>&amp;Import matches...</source>
        <translation>&amp;Importer des rencontres...</translation>
    </message>
</context>
<context>
    <name>scorvane::MatchChartPanel</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copier comme texte</translation>
    </message>
</context>
<context>
    <name>scorvane::NavigationBar</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
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
        <translation>Page perso</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Active season</source>
        <translation>Saison active</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Palmarès</translation>
    </message>
    <message>
        <source>Finances</source>
        <translation>Finances</translation>
    </message>
    <message>
        <source>New season</source>
        <translation>Nouvelle saison</translation>
    </message>
    <message>
        <source>Delete season</source>
        <translation>Supprimer la saison</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_CLUBS</name>
    <message>
        <source>Recorded clubs</source>
        <translation>Liste des clubs enregistrés</translation>
    </message>
    <message>
        <source>Club code</source>
        <translation>Code club</translation>
    </message>
    <message>
        <source>Club name</source>
        <translation>Nom du club</translation>
    </message>
    <message>
        <source>Club phone</source>
        <translation>Tél. club</translation>
    </message>
    <message>
        <source>Club address</source>
        <translation>Adresse du club</translation>
    </message>
    <message>
        <source>&amp;New club</source>
        <translation>&amp;Nouveau club</translation>
    </message>
    <message>
        <source>&amp;Rename the club</source>
        <translation>&amp;Renommer le club</translation>
    </message>
    <message>
        <source>&amp;Delete the club</source>
        <translation>&amp;Supprimer le club</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_FINANCES</name>
    <message>
        <source>&amp;New expense</source>
        <translation>&amp;Nouvelle dépense</translation>
    </message>
    <message>
        <source>Edit &amp;categories</source>
        <translation>Modifier les &amp;catégories</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>&amp;Graphiques</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Entry fees, travel costs, prize money and prizes belong to the events of the season: change them in the event, or delete them here.</source>
        <translation>Les droits d&apos;engagement, frais de déplacement, gains et lots appartiennent aux épreuves de la saison : modifiez-les dans l&apos;épreuve, ou supprimez-les ici.</translation>
    </message>
    <message>
        <source>&amp;Edit the operation</source>
        <translation>&amp;Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>&amp;Delete the operation</source>
        <translation>&amp;Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>&amp;Edit the matching event</source>
        <translation>&amp;Modifier l&apos;épreuve correspondante</translation>
    </message>
    <message>
        <source>&amp;Delete the prize won</source>
        <translation>&amp;Supprimer le lot gagné</translation>
    </message>
    <message>
        <source>&amp;Edit the expense</source>
        <translation>&amp;Modifier la dépense</translation>
    </message>
    <message>
        <source>&amp;Delete the expense</source>
        <translation>&amp;Supprimer la dépense</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_GRAPHIQUES</name>
    <message>
        <source>Reset filters</source>
        <translation>Réinitialiser les filtres</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_JOUEURS</name>
    <message>
        <source>Won</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Défaites</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Involved in the active season</source>
        <translation>Impliqués dans la saison active</translation>
    </message>
    <message>
        <source>See club</source>
        <translation>Voir le club</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Atteindre</translation>
    </message>
    <message>
        <source>in</source>
        <translation>dans</translation>
    </message>
    <message>
        <source>&amp;New player</source>
        <translation>&amp;Nouveau joueur</translation>
    </message>
    <message>
        <source>Sort the players</source>
        <translation>Trier les joueurs</translation>
    </message>
    <message>
        <source>By ranking</source>
        <translation>Par classement</translation>
    </message>
    <message>
        <source>By future ranking</source>
        <translation>Par classement futur</translation>
    </message>
    <message>
        <source>By first name</source>
        <translation>Par prénom</translation>
    </message>
    <message>
        <source>By surname</source>
        <translation>Par nom</translation>
    </message>
    <message>
        <source>By club</source>
        <translation>Par club</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete the player</source>
        <translation>Supprimer le joueur</translation>
    </message>
    <message>
        <source>Player&apos;s evolution</source>
        <translation>Évolution du joueur</translation>
    </message>
    <message>
        <source>Delete the selected players</source>
        <translation>Supprimer les joueurs sélectionnés</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Nouveau joueur</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_PALMARES</name>
    <message>
        <source>New &amp;match</source>
        <translation>Nouvelle &amp;rencontre</translation>
    </message>
    <message>
        <source>&amp;New event</source>
        <translation>&amp;Nouvelle épreuve</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Épreuves</translation>
    </message>
    <message>
        <source>Sort the matches</source>
        <translation>Trier les rencontres</translation>
    </message>
    <message>
        <source>By win or loss</source>
        <translation>Par victoire ou défaite</translation>
    </message>
    <message>
        <source>By date</source>
        <translation>Par date</translation>
    </message>
    <message>
        <source>By ranking</source>
        <translation>Par classement</translation>
    </message>
    <message>
        <source>By future ranking</source>
        <translation>Par classement futur</translation>
    </message>
    <message>
        <source>By event</source>
        <translation>Par épreuve</translation>
    </message>
    <message>
        <source>By first name</source>
        <translation>Par prénom</translation>
    </message>
    <message>
        <source>By surname</source>
        <translation>Par nom</translation>
    </message>
    <message>
        <source>Edit the match</source>
        <translation>Modifier la rencontre</translation>
    </message>
    <message>
        <source>Delete the match</source>
        <translation>Supprimer la rencontre</translation>
    </message>
    <message>
        <source>Delete the selected matches</source>
        <translation>Supprimer les rencontres sélectionnées</translation>
    </message>
    <message>
        <source>Add a match to the event</source>
        <translation>Ajouter une rencontre à l&apos;épreuve</translation>
    </message>
    <message>
        <source>Edit the event</source>
        <translation>Modifier l&apos;épreuve</translation>
    </message>
    <message>
        <source>Delete the event</source>
        <translation>Supprimer l&apos;épreuve</translation>
    </message>
    <message>
        <source>New match</source>
        <translation>Nouvelle rencontre</translation>
    </message>
    <message>
        <source>New event</source>
        <translation>Nouvelle épreuve</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_PERSO</name>
    <message>
        <source>Edit &amp;description</source>
        <translation>Mo&amp;difier la fiche</translation>
    </message>
    <message>
        <source>Change &amp;photo</source>
        <translation>Changer la &amp;photo</translation>
    </message>
    <message>
        <source>Edit a &amp;season</source>
        <translation>Modifier une &amp;saison</translation>
    </message>
    <message>
        <source>&amp;Add a season</source>
        <translation>Ajo&amp;uter une saison</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Rankings</source>
        <translation>Les &amp;classements</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_PROPRIETE_JOUEUR</name>
    <message>
        <source>Anonymous</source>
        <translation>Anonyme</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>Gaucher</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>&amp;First name</source>
        <translation>&amp;Prénom</translation>
    </message>
    <message>
        <source>Sur&amp;name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
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
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>Strengths</source>
        <translation>Points forts</translation>
    </message>
    <message>
        <source>Weaknesses</source>
        <translation>Points faibles</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
</context>
<context>
    <name>scorvane::PAGE_SAISON</name>
    <message>
        <source>Singles</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Doubles</source>
        <translation>Doubles</translation>
    </message>
    <message>
        <source>Friendly</source>
        <translation>Amical</translation>
    </message>
    <message>
        <source>Individual championship</source>
        <translation>Champ. individuel</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Par équipe</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>En tournoi</translation>
    </message>
    <message>
        <source>Corporate</source>
        <translation>Corporatif</translation>
    </message>
    <message>
        <source>Homologated matches</source>
        <translation>Rencontres homologuées</translation>
    </message>
    <message>
        <source>Non homologated competition</source>
        <translation>Compétitions non homologuées</translation>
    </message>
</context>
<context>
    <name>scorvane::PagePrinter</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written.</source>
        <translation>Le fichier PDF %1 n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>scorvane::RulesComboBox</name>
    <message>
        <source>2000 rules</source>
        <translation>règles de 2000</translation>
    </message>
    <message>
        <source>Rules of %1</source>
        <translation>règles de %1</translation>
    </message>
</context>
<context>
    <name>scorvane::StatisticsFilterPanel</name>
    <message>
        <source>Only the matches played between</source>
        <translation>Retenir seulement les rencontres jouées entre le</translation>
    </message>
    <message>
        <source>and</source>
        <comment>between two dates</comment>
        <translation>et le</translation>
    </message>
    <message>
        <source>Opponents</source>
        <translation>Adversaires</translation>
    </message>
    <message>
        <source>For a doubles, keep the match if</source>
        <translation>Pour un double, retenir la rencontre si</translation>
    </message>
    <message>
        <source>Only the opponents aged on the day of the match between</source>
        <translation>Seulement les adversaires âgés le jour de la rencontre entre</translation>
    </message>
    <message>
        <source>years and</source>
        <translation>ans et</translation>
    </message>
    <message>
        <source>years (left out without an age)</source>
        <translation>ans (exclus si pas d&apos;âge)</translation>
    </message>
    <message>
        <source>Only</source>
        <translation>Seulement</translation>
    </message>
    <message>
        <source>Only if ranked between</source>
        <translation>Seulement si classés entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
</context>
<context>
    <name>scorvane::TipDialog</name>
    <message>
        <source>Tip of the day</source>
        <translation>Note du jour</translation>
    </message>
    <message>
        <source>&amp;Show tips at start-up</source>
        <translation>&amp;Afficher les notes au démarrage</translation>
    </message>
    <message>
        <source>&amp;Next tip</source>
        <translation>Note &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>scorvane::WelcomeDialog</name>
    <message>
        <source>Welcome to Scorvane</source>
        <translation>Bienvenue dans Scorvane</translation>
    </message>
    <message>
        <source>Create a &amp;new file</source>
        <translation>Créer un &amp;nouveau fichier</translation>
    </message>
    <message>
        <source>Open the &amp;last file</source>
        <translation>Ouvrir le &amp;dernier fichier</translation>
    </message>
    <message>
        <source>&amp;Open a file...</source>
        <translation>&amp;Ouvrir un fichier...</translation>
    </message>
    <message>
        <source>&amp;Read this before starting</source>
        <translation>À &amp;lire avant de commencer</translation>
    </message>
    <message>
        <source>&amp;Quit !</source>
        <translation>&amp;Quitter !</translation>
    </message>
    <message>
        <source>Scorvane keeps your tennis record: your seasons, events and matches, the players you meet, your rankings and your tennis budget. Start with a new file.</source>
        <translation>Scorvane tient votre palmarès de tennis : vos saisons, épreuves et rencontres, les joueurs rencontrés, vos classements et votre budget tennis. Commencez par un nouveau fichier.</translation>
    </message>
    <message>
        <source>Passer en français</source>
        <translation>Switch to English</translation>
    </message>
</context>
<context>
    <name>scorvane::WhatIfPanel</name>
    <message>
        <source>What if... (planned matches, not saved)</source>
        <translation>Et si... (rencontres prévues, non enregistrées)</translation>
    </message>
    <message>
        <source>Won against</source>
        <translation>Victoire contre</translation>
    </message>
    <message>
        <source>Lost against</source>
        <translation>Défaite contre</translation>
    </message>
    <message>
        <source>Tournament</source>
        <translation>Tournoi</translation>
    </message>
    <message>
        <source>Individual championship</source>
        <translation>Championnat individuel</translation>
    </message>
    <message>
        <source>Team event</source>
        <translation>Rencontre par équipes</translation>
    </message>
    <message>
        <source>Classic format</source>
        <translation>Format classique</translation>
    </message>
    <message>
        <source>No-ad</source>
        <translation>Point décisif</translation>
    </message>
    <message>
        <source>Four games a set</source>
        <translation>Sets à 4 jeux</translation>
    </message>
    <message>
        <source>Tie-break for the 3rd set</source>
        <translation>Super jeu décisif au 3e set</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>C&amp;lear all</source>
        <translation>&amp;Tout effacer</translation>
    </message>
</context>
</TS>
