#!/usr/bin/env python3
"""Fills the program's two translation files after lupdate has refreshed them.

The source texts of the program are English: the English file takes every
text unchanged, the French one takes the texts of the table below. A text
missing from the table stays unfinished and is reported, so that a new text
is never shipped untranslated without notice.

    lupdate ... -ts shell/resources/translations/*.ts
    scripts/fill_translations.py
"""
import pathlib
import sys
import xml.etree.ElementTree as ET

FRENCH = {
    # About box
    "About Scorvane": "À propos de Scorvane",
    "Your tennis record: seasons, events, matches, players, clubs, rankings and money, with the "
    "estimate of your next ranking and statistics on every match you play.":
        "Votre palmarès de tennis : saisons, épreuves, rencontres, joueurs, clubs, classements et "
        "finances, avec l'estimation de votre prochain classement et des statistiques sur toutes "
        "vos rencontres.",
    # Document information
    "Information about the current document": "Informations sur le document en cours",
    "Number of seasons :": "Nombre de saisons :",
    "Number of different events :": "Nombre d'épreuves différentes :",
    "Total number of matches :": "Nombre total de rencontres :",
    "Singles :": "Simples :",
    "Doubles :": "Doubles :",
    "Number of listed players :": "Nombre de joueurs répertoriés :",
    "Number of anonymous players :": "Nombre de joueurs anonymes :",
    "Number of contacts :": "Nombre de contacts :",
    "Ranking system used :": "Système de classement utilisé :",
    # Question dialogs
    "Create a new player ?": "Création d'un nouveau joueur ?",
    "The player you have just changed plays in other matches: is it the same player or a new "
    "one ?":
        "Le joueur qui vient d'être modifié est impliqué dans d'autres rencontres, s'agit-il du "
        "même joueur ou d'un nouveau ?",
    "Same player": "Même joueur",
    "New player": "Nouveau joueur",
    "Question": "Question",
    "Yes": "Oui",
    "No !": "Non !",
    "Delete all": "Tout supprimer",
    # Documents
    "Cannot open the file %1:\n%2": "Impossible d'ouvrir le fichier %1 :\n%2",
    "Zezovu files (*.ten)": "Fichiers Zezovu (*.ten)",
    "The document was not saved:\n%1": "Le document n'a pas été enregistré :\n%1",
    "Some characters cannot be stored in a Scorvane file and will be saved as \"?\" in:\n%1\n\n"
    "Save anyway?":
        "Certains caractères ne peuvent pas être gardés dans un fichier Scorvane et seront "
        "enregistrés sous la forme « ? » dans :\n%1\n\nEnregistrer quand même ?",
    "... and %1 more": "... et %1 autres",
    "Untitled": "Sans titre",
    "Save changes to %1?": "Enregistrer les modifications de %1 ?",
    # Help
    "Scorvane Help": "Aide de Scorvane",
    # Main window
    "&File": "&Fichier",
    "&Edit": "&Edition",
    "&Season": "&Saison",
    "&View": "A&ffichage",
    "&Tools": "&Outils",
    "&Help": "&Aide",
    "Recent files": "Fichiers récents",
    "&New": "&Nouveau",
    "&Open...": "&Ouvrir...",
    "&Save": "&Enregistrer",
    "Save &as...": "En&registrer sous...",
    "&Document information": "Informations sur le &document",
    "&Print...": "&Imprimer...",
    "Print pre&view": "Aperçu a&vant impression",
    "&Export to PDF...": "E&xporter en PDF...",
    "P&rint setup...": "C&onfiguration de l'impression...",
    "&Quit": "&Quitter",
    "&Undo": "&Annuler",
    "Cu&t": "&Couper",
    "&Copy": "&Copier",
    "&Paste": "C&oller",
    "Add a new season": "Ajouter une nouvelle saison",
    "Delete the active season": "Supprimer la saison active",
    "Own p&age": "P&age personnelle",
    "Registered &players": "&Joueurs enregistrés",
    "Active season &finances": "&Finances de la saison active",
    "Active season &summary": "&Bilan de la saison active",
    "Active season &matches": "&Palmarès de la saison active",
    "S&tatistics": "&Statistiques",
    "Registered &clubs": "&Clubs enregistrés",
    "&Tool bar": "Barre d'&outils",
    "Light &navigation bar": "Barre de &navigation légère",
    "Status &bar": "Barre d'é&tat",
    "Background colour...": "Couleur de fond...",
    "Frame colour...": "Couleur des cadres...",
    "Default colours": "Couleurs d'origine",
    "Français": "English",
    "Switch the program to French": "Passer le logiciel en anglais",
    "&Influence of service success": "&Influence de la réussite du service",
    "Edit &surfaces": "Édition des &Surfaces",
    "Edit financial &categories": "Édition des &Catégories Financières",
    "Edit &events": "Édition des &Épreuves",
    "Edit c&lubs": "Édition des C&lubs",
    "Change the ranking system": "Changement de système de classement",
    "Ranking s&ystems": "S&ystèmes de classement",
    "&Currency in use": "&Monnaie utilisée",
    "Help on this page": "Aide sur cette page",
    "Next pane": "Volet suivant",
    "Previous pane": "Volet précédent",
    "&Tip of the day": "&Note du jour",
    "&About Scorvane...": "&A propos de Scorvane...",
    "This command comes in a later version of Scorvane.":
        "Cette commande arrive dans une prochaine version de Scorvane.",
    # Navigation
    "Help": "Aide",
    "Pages": "Pages",
    "Own page": "Page perso",
    "Players": "Joueurs",
    "Statistics": "Statistiques",
    "Active season": "Saison active",
    "Summary": "Bilan",
    "Matches": "Palmarès",
    "Finances": "Finances",
    "New season": "Nouvelle saison",
    "Delete season": "Supprimer la saison",
    "About": "À propos",
    # Printing
    "PDF files (*.pdf)": "Fichiers PDF (*.pdf)",
    "The PDF file %1 could not be written.": "Le fichier PDF %1 n'a pas pu être écrit.",
    # Charts
    "Copy": "Copier",
    "Save as…": "Enregistrer sous…",
    "PNG picture (*.png);;SVG drawing (*.svg)": "Image PNG (*.png);;Dessin SVG (*.svg)",
    "The picture %1 could not be written.": "L'image %1 n'a pas pu être écrite.",
    # Pages
    "Registered clubs": "Liste des clubs enregistrés",
    "This page comes in a later version of Scorvane.":
        "Cette page arrive dans une prochaine version de Scorvane.",
    # Tip of the day
    "Tip of the day": "Note du jour",
    "&Show tips at start-up": "&Afficher les notes au démarrage",
    "&Next tip": "Note &suivante",
    "&Close": "&Fermer",
    # Welcome
    "Welcome to Scorvane": "Bienvenue dans Scorvane",
    "Create a &new file": "Créer un &nouveau fichier",
    "Open the &last file": "Ouvrir le &dernier fichier",
    "&Open a file...": "&Ouvrir un fichier...",
    "&Read this before starting": "À &lire avant de commencer",
    "&Quit !": "&Quitter !",
    "Scorvane keeps your tennis record: your seasons, events and matches, the players you meet, "
    "your rankings and your tennis budget. Start with a new file.":
        "Scorvane tient votre palmarès de tennis : vos saisons, épreuves et rencontres, les "
        "joueurs rencontrés, vos classements et votre budget tennis. Commencez par un nouveau "
        "fichier.",
    "Passer en français": "Switch to English",
    # Ranking systems, rankings and their history
    "My ranking &history...": "Mon &historique de classements...",
    "OK": "OK",
    "Cancel": "Annuler",
    "&Delete": "&Supprimer",
    "&Modify": "&Modifier",
    "E&dit": "&Editer",
    "Custom": "Type",
    "The file %1 could not be deleted:\n%2": "Le fichier %1 n'a pas pu être supprimé :\n%2",
    "Ranking system": "Système de classement",
    "Name :": "Nom :",
    "Description :": "Description :",
    "One ranking per sports year": "Un seul classement par année sportive",
    "Rankings": "Classements",
    "Numbers (points, position, etc.)": "Numéros (points, position, etc.)",
    "Grades (grades, groups, etc.), from the strongest to the weakest":
        "Echelons (grades, groupes, etc.), du plus fort au plus faible",
    "The strongest": "Le plus fort",
    "The weakest": "Le plus faible",
    "Please enter a whole number.": "Veuillez entrer un nombre entier.",
    "\"%1\" holds characters that a ranking-system file cannot store. Please write it with other "
    "characters.":
        "« %1 » contient des caractères qu'un fichier de système de classement ne peut pas "
        "garder. Écrivez-le avec d'autres caractères.",
    "Grades": "les échelons",
    "None": "Aucun",
    "&Rename": "&Renommer",
    "Move the grade up": "Monter l'échelon",
    "Move the grade down": "Descendre l'échelon",
    "Change of ranking system": "Changement de système de classement",
    "Edit rankings": "Edition des classements",
    "Date": "Date",
    "Rank": "Classement",
    "Note": "Note",
    "This history cannot hold more rankings.":
        "Cet historique ne peut pas recevoir d'autres classements.",
    "Ranking": "Classement",
    "Ranking :": "Classement :",
    "From :": "À partir du :",
    "Note :": "Note :",
    # Season dialog and match viewer
    "Season": "Saison",
    "Ranking for the season": "Classement pour la saison",
    "Comments/notes on the season": "Commentaires/notes sur la saison",
    "A tip for new users:": "Un conseil pour les nouveaux utilisateurs:",
    "To add, change or delete the matches of your seasons, go to the Matches page!":
        "Pour ajouter/modifier/supprimer des rencontres à vos saisons, passez par la page "
        "Palmarès !",
    "Match viewer": "Visualisation de rencontres",
    "To see one of the matches in detail, \"double-click\" on it!":
        "Pour voir plus précisément une des rencontres, \"double-cliquez\" dessus !",
    # Match and event entry
    "Creating a new match": "Création d'une nouvelle rencontre",
    "Choose the event of the new match (double-click on it):":
        "Choisissez l'épreuve de la nouvelle rencontre (double-cliquez dessus) :",
    "Add the new match to the season's &friendly matches":
        "Ajouter la nouvelle rencontre aux rencontres &amicales de la saison",
    "Add a &new event to the season to add the match to it":
        "Ajouter une &nouvelle épreuve à la saison pour y ajouter la rencontre",
    "Match": "Rencontre",
    "&Date": "&Date",
    "&Event...": "É&preuve...",
    "&Place": "&Lieu",
    "S&urface": "S&urface",
    "&Indoor court": "Court &couvert",
    "Dou&bles": "Dou&ble",
    "Result": "Résultat",
    "&Victory": "&Victoire",
    "Defea&t": "Dé&faite",
    "&Score": "&Score",
    "Retirement": "Abandon",
    "Excused W.O.": "W.O. excusé",
    "Not excused W.O.": "W.O. non excusé",
    "New FFT rules": "Nouvelles règles FFT",
    "4 games/set": "4 jeux/set",
    "no ad.": "no ad.",
    "3rd set: tie-break": "3e set: tie-brk",
    "no let": "pas de let",
    "General comment": "Commentaire général",
    "My strong points in the match": "Mes points forts dans la rencontre",
    "My weak points in the match": "Mes points faibles dans la rencontre",
    "This match is already open.": "Cette rencontre est déjà ouverte.",
    "Event": "Epreuve",
    "The event": "L'épreuve",
    "Event &name": "&Nom de l'épreuve",
    "Kind": "Type",
    "Age category": "Catégorie d'âge",
    "Homologation": "Homologation",
    "Period": "Période",
    "&Start": "&Début",
    "&End": "&Fin",
    "Event won": "Épreuve remportée",
    "Best ranking of the event (having lost)": "Meilleur clst de l'épreuve (ayant perdu)",
    "Money": "Argent",
    "Prize money": "Somme gagnée",
    "Entry fee": "Engagement",
    "Travel costs": "Frais pour déplacements",
    "Prizes": "Lots",
    "Comments on how the event went": "Commentaires sur le déroulement de l'épreuve",
    "Create a season first: matches and events are entered in a season.":
        "Créez d'abord une saison : les rencontres et les épreuves se saisissent dans une saison.",
    # Player form and dialogs
    "&First name": "&Prénom",
    "Sur&name": "&Nom",
    "Licence": "Licence",
    "Anonymous": "Anonyme",
    "Left-handed": "Gaucher",
    "Year of birth": "Année de naissance",
    "Strengths": "Points forts",
    "Weaknesses": "Points faibles",
    "Comment": "Commentaire",
    "&List": "&Liste",
    "&Details": "&Détails",
    "Address": "Adresse",
    "Town": "Ville",
    "Home phone": "Tél. domicile",
    "Mobile phone": "Tél. portable",
    "Work phone": "Tél. bureau",
    "E-mail": "E-mail",
    "See the matches played": "Voir les rencontres disputées",
    "Ranking evolution": "Évolution du classement",
    "Select a player": "Sélection d'un joueur",
    "Contacts only": "Contacts seulement",
    "Players of my club only": "Joueurs de mon club seulement",
    "Sort by:": "Trier par :",
    "First names": "Prénoms",
    "Surnames": "Noms",
    "Ascending": "Croissant",
    "&Go to": "&Atteindre",
    "in": "dans",
    "Similar player": "Joueur semblable",
    "It is the same player!": "C'est le même joueur !",
    "Different player": "Joueur différent",
    "Show that player": "Voir le joueur en question",
    # Item editor
    "Show": "Afficher",
    "&Rename": "&Renommer",
    "&Delete": "&Supprimer",
    "Selection :": "Sélection :",
    "Cancel all": "Tout annuler",
    "Adding a new item": "Ajout d'un nouvel élément",
    "New name": "Nouveau nom",
    "Current name :": "Nom actuel :",
    "New name :": "Nouveau nom :",
    # Owner dialog
    "Your description": "Votre fiche",
    "Please enter your details": "Veuillez saisir les informations vous concernant",
    "First name": "Prénom",
    "Last name": "Nom",
    "Sex": "Sexe",
    "Birth date": "Date de naissance",
    "Club": "Club",
    # Matches page and its columns dialog
    "New &match": "Nouvelle &rencontre",
    "&New event": "&Nouvelle épreuve",
    "&Columns shown": "&Colonnes affichées",
    "Events": "Épreuves",
    "Columns shown": "Colonnes affichées",
    "Sort the matches": "Arranger les rencontres",
    "By win or loss": "Par victoire ou défaite",
    "By date": "Par date",
    "By ranking": "Par classement",
    "By future ranking": "Par classement futur",
    "By event": "Par épreuve",
    "By first name": "Par prénom",
    "By surname": "Par nom",
    "In ascending order": "Par ordre croissant",
    "In descending order": "Par ordre décroissant",
    "New match": "Nouvelle rencontre",
    "New event": "Nouvelle épreuve",
    "Edit the match": "Editer la rencontre",
    "Delete the match": "Supprimer la rencontre",
    "Delete the selected matches": "Supprimer les rencontres sélectionnées",
    "Add a match to the event": "Ajouter une rencontre à l'épreuve",
    "Edit the event": "Editer l'épreuve",
    "Delete the event": "Supprimer l'épreuve",
    # Calculation report page
    "&Back to the summary": "&Retour au BILAN",
    "&Print": "&Imprimer",
    "&Explanations": "&Explications",
    "&Starting points": "&Capitaux de départ",
    "&Min. victories kept": "&Nb min de victoires retenues ",
    "Extra &victories": "Victoires &supp.",
    "Victory &scale": "&Barème victoire",
    "&Upgrades, downgrades": "&Montées, descentes",
    # Next-grade advice
    "1 win": "1 victoire",
    "%1 wins": "%1 victoires",
    "%1 over %2 or better": "%1 contre des %2 ou mieux",
    "%1 defeats or more": "%1 défaites ou plus",
    "1 defeat": "1 défaite",
    "%1 defeats": "%1 défaites",
    "%1 against %2 (the same grade)": "%1 contre des %2 (échelon égal)",
    "%1 against %2 (one grade lower)": "%1 contre des %2 (échelon inférieur)",
    "WHAT NEXT?": "ET ENSUITE ?",
    "%1 is the highest grade: there is no grade above it.":
        "%1 est le meilleur classement : il n'y a rien au-dessus.",
    "WHAT WOULD TAKE YOU UP TO %1?": "QUE FAUT-IL POUR MONTER À %1 ?",
    "At %1 your season is worth %2 points; %3 are needed to go up to %4":
        "À %1 votre saison vaut %2 points ; il en faut %3 pour monter à %4",
    " (%1 missing).": " (il en manque %1).",
    " (reached, but the rise would not be kept).": " (atteint, mais la montée ne serait pas maintenue).",
    "No number of wins up to %1 over players of one grade takes you to %2.":
        "Aucun nombre de victoires jusqu'à %1 contre des joueurs d'un même classement ne vous fait "
        "monter à %2.",
    "Any one of these would take you to %1:": "Chacune de ces possibilités vous ferait monter à %1 :",
    "Defeats your estimate can still take:": "Défaites que votre estimation peut encore supporter :",
    "%1 would take you to %2": "%1 vous feraient monter à %2",
    # Own page
    "Edit &description": "Mo&difier la fiche",
    "Change &photo": "Changer la &photo",
    "Edit a &season": "Modifier une &saison",
    "&Add a season": "Ajo&uter une saison",
    "&Rankings": "Les &classements",
    # Ranking evolution
    "&Edit": "&Modifier",
    # Service calculator
    "Influence of service success": "Influence de la réussite du service",
    "% 1st serve": "% 1er service",
    "% pts on 1st serve": "% pts sur 1er serv.",
    "% 2nd serve": "% 2ème service",
    "% pts on 2nd serve": "% pts sur 2ème serv.",
    "Probability of winning a service point": "Probabilité de gagner un point de service",
    "Probability of winning a point on a 1st serve": "Probabilité de gagner un point sur 1er service",
    "Probability of a double fault": "Probabilité de commettre une double faute",
    "At deuce, probability of winning the game": "Sur égalité, probabilité de gagner le jeu",
    "Probability of winning one's service game": "Probabilité de gagner son jeu de service",
    "Your service": "Votre service",
    "What follows": "Ce qui en découle",
    # Statistics page
    "Only the matches played between": "Retenir seulement les rencontres jouées entre le",
    ("and", "between two dates"): "et le",
    "and": "et",
    "Opponents": "Adversaires",
    "For a doubles, keep the match if": "Pour un double, retenir la rencontre si",
    "Only the opponents aged on the day of the match between":
        "Seulement les adversaires agés le jour de la rencontre entre",
    "years and": "ans et",
    "years (left out without an age)": "ans (exclus si pas d'âge)",
    "Only": "Seulement",
    "Only if ranked between": "Seulement si classés entre",
    "Reset filters": "Réinitialiser les filtres",
    "Copy as text": "Copier comme texte",
    # Season summary page
    "Singles": "Simples",
    "Doubles": "Doubles",
    "Friendly": "Amical",
    "Individual championship": "Champ. individuel",
    "Team": "Par équipe",
    "Tournament": "En tournoi",
    "Corporate": "Corporatif",
    "Homologated matches": "Rencontres FFT",
    "Non homologated competition": "Compétition non FFT",
    # Finances page and its dialogs
    "&New expense": "&Nouvelle dépense",
    "Edit &categories": "Modifier les &catégories",
    "C&harts": "&Graphiques",
    "Entry fees, travel costs, prize money and prizes belong to the events of the season: "
    "change them in the event, or delete them here.":
        "Les droits d'engagement, frais de déplacement, gains et lots appartiennent aux épreuves "
        "de la saison : modifiez-les dans l'épreuve, ou supprimez-les ici.",
    "&Edit the operation": "&Editer l'opération",
    "&Delete the operation": "&Supprimer l'opération",
    "&Edit the matching event": "&Editer l'épreuve correspondante",
    "&Delete the prize won": "&Supprimer le lot gagné",
    "&Edit the expense": "&Editer la dépense",
    "&Delete the expense": "&Supprimer la dépense",
    "Financial operation": "Opération financière",
    "Paid to": "Payé à",
    "Purpose": "Objet",
    "Amount": "Somme",
    "Category": "Catégorie",
    "The amount cannot be negative.": "La somme ne peut pas être négative.",
    "The amount cannot be more than %1.": "La somme ne peut pas dépasser %1.",
    "The amount must be a number, for example 12.50.":
        "La somme doit être un nombre, par exemple 12.50.",
    "Financial operations": "Visualisation d'opérations financières",
    "Active season finances": "Finances de saison active",
    # Currency dialog
    "Currency": "Monnaie",
    "Euros": "Euros",
    "Amounts are shown and entered in": "Les sommes sont affichées et saisies en",
    "Value of the euro": "Valeur de l'Euro",
    "The value of the euro must be a number of francs from %1 to %2, for example 6.55957.":
        "La valeur de l'euro doit être un nombre de francs de %1 à %2, par exemple 6.55957.",
}


def fill(path, translate):
    tree = ET.parse(path)
    missing = []
    for message in tree.iter("message"):
        source = message.find("source").text or ""
        comment = message.find("comment")
        translation = message.find("translation")
        # A text told apart by a comment is looked up as (text, comment) first.
        text = translate((source, comment.text)) if comment is not None else None
        if text is None:
            text = translate(source)
        if text is None:
            missing.append(source)
            translation.set("type", "unfinished")
            continue
        translation.text = text
        translation.attrib.pop("type", None)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    return missing


def main():
    folder = pathlib.Path(__file__).resolve().parent.parent / "shell/resources/translations"
    fill(folder / "scorvane_en.ts", lambda source: source[0] if isinstance(source, tuple) else source)
    missing = fill(folder / "scorvane_fr.ts", FRENCH.get)
    for source in missing:
        print(f"untranslated: {source!r}", file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
