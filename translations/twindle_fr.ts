<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Animals</name>
    <message>
        <source>Kitty</source>
        <translation>Minou</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingouin</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Éléphant</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Girafe</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zèbre</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Canard</translation>
    </message>
    <message>
        <source>Froggy</source>
        <translation>Grenouille</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Dauphin</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>Coccinelle</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Papillon</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Kangourou</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Cerf</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cochon</translation>
    </message>
    <message>
        <source>Squirrel</source>
        <translation>Écureuil</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Aigle</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Coq</translation>
    </message>
    <message>
        <source>Mammoth</source>
        <translation>Mammouth</translation>
    </message>
    <message>
        <source>Horsey</source>
        <translation>Petit cheval</translation>
    </message>
</context>
<context>
    <name>CardFaces</name>
    <message>
        <source>capital %1</source>
        <translation>%1 majuscule</translation>
    </message>
    <message>
        <source>small %1</source>
        <translation>%1 minuscule</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>The board, no cards</source>
        <translation>Le plateau, sans cartes</translation>
    </message>
    <message>
        <source>The board, %1 cards</source>
        <translation>Le plateau, %1 cartes</translation>
    </message>
    <message>
        <source>The arrow keys go from card to card; Space turns a card over.</source>
        <translation>Les flèches vont de carte en carte ; Espace retourne une carte.</translation>
    </message>
    <message>
        <source>card %1 of %2</source>
        <translation>carte %1 sur %2</translation>
    </message>
    <message>
        <source>%1, found: %2</source>
        <translation>%1, trouvée : %2</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, face cachée</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>twindle::AboutBox</name>
    <message>
        <source>Twindle! For Toddlers vers 1.0</source>
        <translation>Twindle ! Pour les tout-petits vers. 1.0</translation>
    </message>
    <message>
        <source>Thank you to every small player who tried it first</source>
        <translation>Merci à tous les petits joueurs qui l’ont essayé les premiers</translation>
    </message>
    <message>
        <source>F11: full screen for little hands</source>
        <translation>F11 : plein écran pour les petites mains</translation>
    </message>
    <message>
        <source>(free software: GPL 3 or later; pictures: Twemoji)</source>
        <translation>(logiciel libre : GPL 3 ou ultérieure ; images : Twemoji)</translation>
    </message>
    <message>
        <source>Twindle is free software under the GNU General Public License, version 3 or any later version. Twemoji graphics: CC-BY 4.0. Fonts: Liberation, SIL Open Font License 1.1. See the README for the full credits.</source>
        <translation>Twindle est un logiciel libre sous la licence publique générale GNU, version 3 ou toute version ultérieure. Graphismes Twemoji : CC-BY 4.0. Polices : Liberation, SIL Open Font License 1.1. Tous les crédits sont dans le fichier README.</translation>
    </message>
    <message>
        <source>The Twindle team, programmers</source>
        <translation>L’équipe Twindle, programmeurs</translation>
    </message>
</context>
<context>
    <name>twindle::AllDoneScreen</name>
    <message>
        <source>All done!</source>
        <translation>C’est fini pour aujourd’hui !</translation>
    </message>
</context>
<context>
    <name>twindle::BoardView</name>
    <message>
        <source>You Did It!</source>
        <translation>Bravo !</translation>
    </message>
</context>
<context>
    <name>twindle::CardKind</name>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Letters: A and A</source>
        <translation>Lettres : A et A</translation>
    </message>
    <message>
        <source>Letters: A and a</source>
        <translation>Lettres : A et a</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Photos de famille</translation>
    </message>
    <message>
        <source>By ear: cards alike, told apart by their words</source>
        <translation>À l’oreille : des cartes pareilles, reconnues à leurs mots</translation>
    </message>
</context>
<context>
    <name>twindle::CommandLine</name>
    <message>
        <source>Play full screen, locked for a toddler (also F11 in the window). Without --kind or --pairs a setup screen asks the parent first.</source>
        <translation>Jouer en plein écran, verrouillé pour un tout-petit (aussi F11 dans la fenêtre). Sans --kind ni --pairs, un écran de réglages interroge d’abord le parent.</translation>
    </message>
    <message>
        <source>Cards in toddler mode say nothing.</source>
        <translation>Les cartes du mode tout-petits ne disent rien.</translation>
    </message>
    <message>
        <source>Make a family card of the photo, named with --name, its name said as in the WAVE file of --voice.</source>
        <translation>Faire une carte de famille avec la photo, nommée par --name, son nom dit comme dans le fichier WAVE de --voice.</translation>
    </message>
    <message>
        <source>The name of the family card to add.</source>
        <translation>Le nom de la carte de famille à ajouter.</translation>
    </message>
    <message>
        <source>The family card&apos;s name said, a WAVE file.</source>
        <translation>Le nom dit de la carte de famille, un fichier WAVE.</translation>
    </message>
    <message>
        <source>List the family cards, one a line, and end.</source>
        <translation>Lister les cartes de famille, une par ligne, et terminer.</translation>
    </message>
    <message>
        <source>Remove the family card of that name.</source>
        <translation>Retirer la carte de famille de ce nom.</translation>
    </message>
    <message>
        <source>Print where the cards of every game stand, in pixels and in twips, and end.</source>
        <translation>Afficher où se trouvent les cartes de chaque partie, en pixels et en twips, et terminer.</translation>
    </message>
    <message>
        <source>options that choose toddler mode&apos;s game, such as --kind and --pairs, need --toddler</source>
        <translation>les options qui choisissent la partie du mode tout-petits, comme --kind et --pairs, demandent --toddler</translation>
    </message>
    <message>
        <source>A pairs card game for toddlers.</source>
        <translation>Un jeu de paires pour les tout-petits.</translation>
    </message>
    <message>
        <source>--%1 %2: give %3 to %4%5</source>
        <translation>--%1 %2 : donnez de %3 à %4%5</translation>
    </message>
    <message>
        <source>, or %1 for no limit</source>
        <translation>, ou %1 pour aucune limite</translation>
    </message>
    <message>
        <source>see twindle --help</source>
        <translation>voir twindle --help</translation>
    </message>
</context>
<context>
    <name>twindle::GateOverlay</name>
    <message>
        <source>Grown-ups: to leave full screen, type %1 in digits, then press Enter.%2</source>
        <translation>Adultes : pour quitter le plein écran, tapez %1 en chiffres, puis appuyez sur Entrée.%2</translation>
    </message>
</context>
<context>
    <name>twindle::GatePad</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Grown-ups: to leave full screen, tap %1 in digits, then OK.%2</source>
        <translation>Adultes : pour quitter le plein écran, touchez %1 en chiffres, puis OK.%2</translation>
    </message>
</context>
<context>
    <name>twindle::LanguageOptions</name>
    <message>
        <source>The windows and the parent gate in this language for this run: %1. Without it, the language chosen on the setup screen, else the system&apos;s.</source>
        <translation>Les fenêtres et le verrou parental dans cette langue, pour cette fois : %1. Sans cette option, la langue choisie dans l’écran de réglages, sinon celle du système.</translation>
    </message>
    <message>
        <source>The cards&apos; words in this language for this run: %1. A word with no voice in it, built in or recorded, is silent.</source>
        <translation>Les mots des cartes dans cette langue, pour cette fois : %1. Un mot sans voix dans cette langue, intégrée ou enregistrée, reste muet.</translation>
    </message>
    <message>
        <source>--%1 %2: Twindle has no such language; give one of %3</source>
        <translation>--%1 %2 : Twindle n’a pas cette langue ; donnez l’une de %3</translation>
    </message>
</context>
<context>
    <name>twindle::LanguagePage</name>
    <message>
        <source>The system&apos;s: %1</source>
        <translation>Celle du système : %1</translation>
    </message>
    <message>
        <source>The same as the screen&apos;s</source>
        <translation>La même que celle de l’écran</translation>
    </message>
    <message>
        <source>Screen and gate:</source>
        <translation>Écran et verrou :</translation>
    </message>
    <message>
        <source>Cards&apos; words:</source>
        <translation>Mots des cartes :</translation>
    </message>
    <message>
        <source>A new language shows once you press Start.</source>
        <translation>Une nouvelle langue s’affiche dès que vous appuyez sur Commencer.</translation>
    </message>
    <message>
        <source>In this language (%1) the cards say their words in Twindle&apos;s own voice, or in yours where you recorded them (Family cards…, then Card words…).</source>
        <translation>Dans cette langue (%1), les cartes disent leurs mots avec la voix de Twindle, ou avec la vôtre si vous les avez enregistrés (Cartes de famille…, puis Mots des cartes…).</translation>
    </message>
    <message>
        <source>Twindle has no voice of its own in this language (%1): the cards say only the words you record (Family cards…, then Card words…) and are silent otherwise.</source>
        <translation>Twindle n’a pas de voix à lui dans cette langue (%1) : les cartes ne disent que les mots que vous enregistrez (Cartes de famille…, puis Mots des cartes…) et restent muettes sinon.</translation>
    </message>
</context>
<context>
    <name>twindle::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Jouer</translation>
    </message>
</context>
<context>
    <name>twindle::OptionsDialog</name>
    <message>
        <source> Options</source>
        <translation> Options</translation>
    </message>
    <message>
        <source>Cards disappear</source>
        <translation>Les cartes disparaissent</translation>
    </message>
    <message>
        <source>Matching Pair sound</source>
        <translation>Son pour chaque paire</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>twindle::PlayerList</name>
    <message>
        <source>Just me</source>
        <translation>Juste moi</translation>
    </message>
    <message numerus="yes">
        <source>%n players taking turns</source>
        <translation>
            <numerusform>%n joueur, chacun son tour</numerusform>
            <numerusform>%n joueurs, chacun son tour</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>twindle::PlayersBand</name>
    <message>
        <source>Playing together</source>
        <translation>On joue ensemble</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>C’est à %1</translation>
    </message>
</context>
<context>
    <name>twindle::PlayersPage</name>
    <message>
        <source>Players:</source>
        <translation>Joueurs :</translation>
    </message>
    <message>
        <source>A friendly animal:</source>
        <translation>Un animal ami :</translation>
    </message>
    <message>
        <source>Its memory:</source>
        <translation>Sa mémoire :</translation>
    </message>
    <message>
        <source>Play together as one team: one colour, no turns</source>
        <translation>Jouer ensemble en une seule équipe : une couleur, pas de tours</translation>
    </message>
    <message>
        <source>Each player has a colour. A band of that colour around the board shows whose turn it is, and their name is said. A pair found, the same player goes again; a miss, the next player. The pairs found collect by the finder&apos;s picture.</source>
        <translation>Chaque joueur a une couleur. Une bande de cette couleur autour du jeu montre à qui c&apos;est le tour, et son nom est dit. Une paire trouvée, le même joueur rejoue ; une erreur, c&apos;est au suivant. Les paires trouvées se rangent près de l&apos;image de celui qui les a trouvées.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>%1 plays too</source>
        <translation>%1 joue aussi</translation>
    </message>
    <message>
        <source>forgets a lot</source>
        <translation>oublie beaucoup</translation>
    </message>
    <message>
        <source>forgets a little</source>
        <translation>oublie un peu</translation>
    </message>
    <message>
        <source>never forgets</source>
        <translation>n&apos;oublie jamais</translation>
    </message>
</context>
<context>
    <name>twindle::RestartDialog</name>
    <message>
        <source>Start New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>What kind of cards do you want to match?</source>
        <translation>Avec quelles cartes veux-tu jouer ?</translation>
    </message>
    <message>
        <source>How many cards do you want to match?</source>
        <translation>Avec combien de cartes veux-tu jouer ?</translation>
    </message>
    <message>
        <source>Start new Game?</source>
        <translation>Nouvelle partie ?</translation>
    </message>
    <message>
        <source>You have a game in progress!
Do you want to restart?</source>
        <translation>Une partie est en cours !
Veux-tu recommencer ?</translation>
    </message>
</context>
<context>
    <name>twindle::SecondsBox</name>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
</context>
<context>
    <name>twindle::SetupScreen</name>
    <message>
        <source>Toddler mode</source>
        <translation>Mode tout-petits</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The game then fills the screen and stays there. To leave it, press Escape and type the number it asks for; on a touch screen, hold a finger on the ring in the top right corner for three seconds and tap the number.</source>
        <translation>Le jeu remplit alors l’écran et y reste. Pour le quitter, appuyez sur Échap et tapez le nombre demandé ; sur un écran tactile, gardez un doigt trois secondes sur l’anneau en haut à droite, puis touchez le nombre.</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Cartes :</translation>
    </message>
    <message>
        <source>Family cards…</source>
        <translation>Cartes de famille…</translation>
    </message>
    <message>
        <source>Pairs to start with:</source>
        <translation>Paires au début :</translation>
    </message>
    <message>
        <source>Grow with the child: a pair more after a good game</source>
        <translation>Grandir avec l’enfant : une paire de plus après une bonne partie</translation>
    </message>
    <message>
        <source>The cards say their names</source>
        <translation>Les cartes disent leur nom</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Voix :</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume :</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sans limite</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Temps de jeu :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>voix</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>sons</translation>
    </message>
    <message numerus="yes">
        <source>Family photos: up to %n pairs</source>
        <translation>
            <numerusform>Photos de famille : jusqu’à %n paire</numerusform>
            <numerusform>Photos de famille : jusqu’à %n paires</numerusform>
        </translation>
    </message>
    <message>
        <source>Family photos: make two cards or more first</source>
        <translation>Photos de famille : créez d’abord au moins deux cartes</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Contacteurs</translation>
    </message>
    <message>
        <source>These cards are told apart by the words they say: switch the voice on.</source>
        <translation>Ces cartes se distinguent par les mots qu’elles disent : activez la voix.</translation>
    </message>
</context>
<context>
    <name>twindle::SwitchPage</name>
    <message>
        <source>None: the keys, the mouse and the fingers</source>
        <translation>Aucun : les touches, la souris et les doigts</translation>
    </message>
    <message>
        <source>One: the focus steps on by itself, the switch turns the card</source>
        <translation>Un : le focus avance tout seul, le contacteur retourne la carte</translation>
    </message>
    <message>
        <source>Two: switch 1 steps on, switch 2 turns the card</source>
        <translation>Deux : le contacteur 1 avance, le contacteur 2 retourne la carte</translation>
    </message>
    <message>
        <source>Switches:</source>
        <translation>Contacteurs :</translation>
    </message>
    <message>
        <source>Step every:</source>
        <translation>Avancer toutes les :</translation>
    </message>
    <message>
        <source>Switch 1 sends:</source>
        <translation>Le contacteur 1 envoie :</translation>
    </message>
    <message>
        <source>The key switch 1 sends</source>
        <translation>La touche qu’envoie le contacteur 1</translation>
    </message>
    <message>
        <source>Switch 2 sends:</source>
        <translation>Le contacteur 2 envoie :</translation>
    </message>
    <message>
        <source>The key switch 2 sends</source>
        <translation>La touche qu’envoie le contacteur 2</translation>
    </message>
    <message>
        <source>Ignore a press within:</source>
        <translation>Ignorer un appui dans les :</translation>
    </message>
    <message>
        <source>Learn…</source>
        <translation>Apprendre…</translation>
    </message>
    <message>
        <source>Then press the switch</source>
        <translation>Puis appuyez sur le contacteur</translation>
    </message>
    <message>
        <source>press the switch now</source>
        <translation>appuyez sur le contacteur maintenant</translation>
    </message>
    <message>
        <source>Press the switch now.</source>
        <translation>Appuyez sur le contacteur maintenant.</translation>
    </message>
    <message>
        <source>Escape is the grown-ups&apos; way out: it cannot be a switch.</source>
        <translation>Échap est la sortie des grands : ce ne peut pas être un contacteur.</translation>
    </message>
    <message>
        <source>That key cannot be a switch: press Learn and another.</source>
        <translation>Cette touche ne peut pas être un contacteur : appuyez sur Apprendre puis sur une autre.</translation>
    </message>
    <message>
        <source>The other switch sends %1 already.</source>
        <translation>L’autre contacteur envoie déjà %1.</translation>
    </message>
    <message>
        <source>Switch %1 sends %2.</source>
        <translation>Le contacteur %1 envoie %2.</translation>
    </message>
</context>
<context>
    <name>twindle::ToddlerOptions</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Toddler mode&apos;s cards: %1.</source>
        <translation>Les cartes du mode tout-petits : %1.</translation>
    </message>
    <message>
        <source>Toddler mode starts with this many pairs, %1 to %2.</source>
        <translation>Le mode tout-petits commence avec ce nombre de paires, de %1 à %2.</translation>
    </message>
    <message>
        <source>The number of pairs stays; without it, it grows with the child.</source>
        <translation>Le nombre de paires reste le même ; sans cette option, il grandit avec l’enfant.</translation>
    </message>
    <message>
        <source>Play time in toddler mode, %1 to %2 minutes; %3 for no limit.</source>
        <translation>Temps de jeu du mode tout-petits, de %1 à %2 minutes ; %3 pour aucune limite.</translation>
    </message>
    <message>
        <source>--kind family: %1 pairs need %1 family cards, and there are %2 (add them with --add-family-card or on the setup screen)</source>
        <translation>--kind family : %1 paires demandent %1 cartes de famille, et il y en a %2 (ajoutez-en avec --add-family-card ou dans l’écran de réglages)</translation>
    </message>
    <message>
        <source>--kind %1: not a kind of cards (%2)</source>
        <translation>--kind %1 : ce n’est pas une sorte de cartes (%2)</translation>
    </message>
</context>
<context>
    <name>twindle::VoiceRecorder</name>
    <message>
        <source>There is no microphone.</source>
        <translation>Il n’y a pas de micro.</translation>
    </message>
    <message>
        <source>The microphone does not record in a way Twindle can use.</source>
        <translation>Le micro n’enregistre pas d’une façon que Twindle peut utiliser.</translation>
    </message>
    <message>
        <source>The microphone could not be started.</source>
        <translation>Le micro n’a pas pu démarrer.</translation>
    </message>
</context>
<context>
    <name>twindle::family::CropView</name>
    <message>
        <source>Drag the frame, or use the arrow keys, to choose what the card shows; the mouse wheel or + and - make it larger or smaller.</source>
        <translation>Faites glisser le cadre, ou utilisez les flèches, pour choisir ce que montre la carte ; la molette de la souris ou + et - l’agrandissent ou le réduisent.</translation>
    </message>
    <message>
        <source>What the card shows</source>
        <translation>Ce que montre la carte</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyCommands</name>
    <message>
        <source>%1 family cards, games of up to %2 pairs</source>
        <translation>Cartes de famille : %1, parties jusqu’à %2 paires</translation>
    </message>
    <message>
        <source>A new card needs a name: --name NAME.</source>
        <translation>Une nouvelle carte a besoin d’un nom : --name NOM.</translation>
    </message>
    <message>
        <source>Added “%1”: %2.</source>
        <translation>« %1 » ajoutée : %2.</translation>
    </message>
    <message>
        <source>Removed “%1”: %2.</source>
        <translation>« %1 » retirée : %2.</translation>
    </message>
    <message>
        <source>Give one of --add-family-card PHOTO --name NAME [--voice WAV], --list-family-cards or --remove-family-card NAME.</source>
        <translation>Donnez l’une de ces options : --add-family-card PHOTO --name NOM [--voice WAV], --list-family-cards ou --remove-family-card NOM.</translation>
    </message>
    <message>
        <source>--name and --voice go with --add-family-card.</source>
        <translation>--name et --voice vont avec --add-family-card.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyDeck</name>
    <message>
        <source>There is already a card named “%1”.</source>
        <translation>Il y a déjà une carte nommée « %1 ».</translation>
    </message>
    <message>
        <source>There is no card named “%1”.</source>
        <translation>Il n’y a pas de carte nommée « %1 ».</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the family cards.</source>
        <translation>Twindle n’a pas pu créer le dossier %1 pour les cartes de famille.</translation>
    </message>
    <message>
        <source> Twindle leaves the family cards as they are.</source>
        <translation> Twindle laisse les cartes de famille telles quelles.</translation>
    </message>
    <message>
        <source>Twindle could not make the card&apos;s picture from the photo.</source>
        <translation>Twindle n’a pas pu faire l’image de la carte à partir de la photo.</translation>
    </message>
    <message>
        <source>The recording is not a card&apos;s voice as Twindle makes it.</source>
        <translation>L’enregistrement n’est pas une voix de carte telle que Twindle la fait.</translation>
    </message>
    <message>
        <source>The deck is full: it holds %1 cards.</source>
        <translation>Le jeu de cartes est plein : il contient %1 cartes.</translation>
    </message>
    <message>
        <source>Twindle could not save the family cards: %1.</source>
        <translation>Twindle n’a pas pu enregistrer les cartes de famille : %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the system did not say why</source>
        <translation>le système n’a pas dit pourquoi</translation>
    </message>
    <message>
        <source>Another Twindle is changing the family cards; try again in a moment.</source>
        <translation>Un autre Twindle modifie les cartes de famille ; réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index: %1.</source>
        <translation>Twindle n’a pas pu lire l’index des cartes de famille : %1.</translation>
    </message>
    <message>
        <source>The family cards&apos; index is too large to be one Twindle wrote.</source>
        <translation>L’index des cartes de famille est trop grand pour venir de Twindle.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index.</source>
        <translation>Twindle n’a pas pu lire l’index des cartes de famille.</translation>
    </message>
    <message>
        <source>its picture is missing</source>
        <translation>son image manque</translation>
    </message>
    <message>
        <source>its picture is damaged</source>
        <translation>son image est abîmée</translation>
    </message>
    <message>
        <source>its recording is damaged</source>
        <translation>son enregistrement est abîmé</translation>
    </message>
    <message>
        <source>its recording is missing</source>
        <translation>son enregistrement manque</translation>
    </message>
    <message>
        <source>Line %1 of the family cards&apos; index is skipped: %2</source>
        <translation>La ligne %1 de l’index des cartes de famille est ignorée : %2</translation>
    </message>
    <message>
        <source>an earlier card has the same name</source>
        <translation>une carte précédente a le même nom</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>« %1 » est laissée de côté : %2.</translation>
    </message>
    <message>
        <source>“%1” is kept silent: %2.</source>
        <translation>« %1 » reste muette : %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a photo.</source>
        <translation>%1 est un dossier, pas une photo.</translation>
    </message>
    <message>
        <source>%1 is not a photo: it is not an ordinary file.</source>
        <translation>%1 n’est pas une photo : ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>%1 is too large (%2 MB): photos up to %3 MB can be used.</source>
        <translation>%1 est trop lourd (%2 Mo) : les photos jusqu’à %3 Mo conviennent.</translation>
    </message>
    <message>
        <source>%1 is too big a picture (%2 x %3 pixels): Twindle takes photos of up to %4 million pixels.</source>
        <translation>%1 est une image trop grande (%2 x %3 pixels) : Twindle prend les photos jusqu’à %4 millions de pixels.</translation>
    </message>
    <message>
        <source>%1 is too small (%2 x %3 pixels): a card needs at least %4 x %5.</source>
        <translation>%1 est trop petite (%2 x %3 pixels) : une carte demande au moins %4 x %5.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Il n’y a pas de fichier %1.</translation>
    </message>
    <message>
        <source>Twindle may not read %1.</source>
        <translation>Twindle n’a pas le droit de lire %1.</translation>
    </message>
    <message>
        <source>Twindle could not read %1.</source>
        <translation>Twindle n’a pas pu lire %1.</translation>
    </message>
    <message>
        <source>%1 is not a picture Twindle can read.</source>
        <translation>%1 n’est pas une image que Twindle sait lire.</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short.</source>
        <translation>%1 est abîmé ou tronqué.</translation>
    </message>
    <message>
        <source>The recording&apos;s sample rate (%1 Hz) is not one Twindle takes: it takes %2 to %3 Hz.</source>
        <translation>La fréquence d’échantillonnage de l’enregistrement (%1 Hz) ne convient pas à Twindle : il prend de %2 à %3 Hz.</translation>
    </message>
    <message>
        <source>Twindle could not convert the recording.</source>
        <translation>Twindle n’a pas pu convertir l’enregistrement.</translation>
    </message>
    <message>
        <source>The recording is silent.</source>
        <translation>L’enregistrement est muet.</translation>
    </message>
    <message>
        <source>The recording lasts %1 s without the silence around it: a name may last up to %2 s.</source>
        <translation>L’enregistrement dure %1 s sans le silence autour : un nom peut durer jusqu’à %2 s.</translation>
    </message>
    <message>
        <source>There is no recording %1.</source>
        <translation>Il n’y a pas d’enregistrement %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a name (%2 MB).</source>
        <translation>%1 est trop lourd pour un nom (%2 Mo).</translation>
    </message>
    <message>
        <source>%1 is not a WAVE recording Twindle can read (8 or 16-bit PCM).</source>
        <translation>%1 n’est pas un enregistrement WAVE que Twindle sait lire (PCM 8 ou 16 bits).</translation>
    </message>
    <message>
        <source>Twindle&apos;s part that reads photos and recordings (lib/twindle/twindle_media.so) is missing; installing Twindle again brings it back</source>
        <translation>La partie de Twindle qui lit les photos et les enregistrements (lib/twindle/twindle_media.so) manque ; réinstaller Twindle la remet en place</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>Impossible de vérifier %1 : %2.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyEditor</name>
    <message>
        <source>No photos yet: add some to make family cards.</source>
        <translation>Pas encore de photos : ajoutez-en pour faire des cartes de famille.</translation>
    </message>
    <message>
        <source>1 photo: games of up to 1 pair</source>
        <translation>1 photo : parties jusqu’à 1 paire</translation>
    </message>
    <message numerus="yes">
        <source>%n photos: games of up to %1 pairs</source>
        <translation>
            <numerusform>%n photo : parties jusqu’à %1 paires</numerusform>
            <numerusform>%n photos : parties jusqu’à %1 paires</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose the p&amp;hoto again...</source>
        <translation>Choisir la p&amp;hoto à nouveau...</translation>
    </message>
    <message>
        <source>Re&amp;move card</source>
        <translation>&amp;Retirer la carte</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Photos de famille</translation>
    </message>
    <message>
        <source>Family cards</source>
        <translation>Cartes de famille</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Voix :</translation>
    </message>
    <message>
        <source>&amp;Add photos...</source>
        <translation>&amp;Ajouter des photos...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Card &amp;words...</source>
        <translation>&amp;Mots des cartes...</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Photos (%1)</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Choose the photo of “%1”</source>
        <translation>Choisir la photo de « %1 »</translation>
    </message>
    <message>
        <source>Remove card</source>
        <translation>Retirer la carte</translation>
    </message>
    <message>
        <source>Remove “%1” from the family cards? The photo itself stays where it is.</source>
        <translation>Retirer « %1 » des cartes de famille ? La photo elle-même reste où elle est.</translation>
    </message>
</context>
<context>
    <name>twindle::family::VoicePanel</name>
    <message>
        <source>&amp;Play</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>&amp;Silent</source>
        <translation>&amp;Silence</translation>
    </message>
    <message>
        <source>Say the name after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Dites le nom après avoir appuyé ; l’enregistrement s’arrête après %1 secondes, ou quand vous appuyez à nouveau.</translation>
    </message>
    <message>
        <source>Say the word after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Dites le mot après avoir appuyé ; l’enregistrement s’arrête après %1 secondes, ou quand vous appuyez à nouveau.</translation>
    </message>
    <message>
        <source>&amp;Record again</source>
        <translation>R&amp;éenregistrer</translation>
    </message>
    <message>
        <source>Recording needs Twindle&apos;s sound module, which is not installed.</source>
        <translation>Pour enregistrer, Twindle a besoin de son module de son, qui n’est pas installé.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>Recording: say the name now (up to %1 seconds).</source>
        <translation>Enregistrement : dites le nom maintenant (jusqu’à %1 secondes).</translation>
    </message>
    <message>
        <source>Recording: say the word now (up to %1 seconds).</source>
        <translation>Enregistrement : dites le mot maintenant (jusqu’à %1 secondes).</translation>
    </message>
    <message>
        <source>&amp;Record the name</source>
        <translation>&amp;Enregistrer le nom</translation>
    </message>
    <message>
        <source>&amp;Record the word</source>
        <translation>&amp;Enregistrer le mot</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecorder</name>
    <message>
        <source>The cards&apos; words: %1</source>
        <translation>Les mots des cartes : %1</translation>
    </message>
    <message>
        <source>Pick a picture, a letter or a cheer, then record how you say it. In this language the cards say what you record here, in place of Twindle&apos;s own voice.</source>
        <translation>Choisissez une image, une lettre ou un bravo, puis enregistrez comme vous le dites. Dans cette langue, les cartes disent alors votre enregistrement au lieu de la voix de Twindle.</translation>
    </message>
    <message>
        <source>The cards&apos; words</source>
        <translation>Les mots des cartes</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Bravo !</translation>
    </message>
    <message>
        <source>All done!</source>
        <translation>C’est fini pour aujourd’hui !</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>enregistré</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (enregistré)</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecordings</name>
    <message>
        <source>Twindle could not read the index of the recorded words in %1.</source>
        <translation>Twindle n’a pas pu lire l’index des mots enregistrés dans %1.</translation>
    </message>
    <message>
        <source>Line %1 of the recorded words&apos; index is skipped: %2</source>
        <translation>La ligne %1 de l’index des mots enregistrés est ignorée : %2</translation>
    </message>
    <message>
        <source>The recorded word %1 (language %2) is skipped: its recording is missing or damaged.</source>
        <translation>Le mot enregistré %1 (langue %2) est ignoré : son enregistrement manque ou est abîmé.</translation>
    </message>
    <message>
        <source>The recording is not a word as Twindle makes it.</source>
        <translation>L’enregistrement n’est pas un mot tel que Twindle le fait.</translation>
    </message>
    <message>
        <source>There are already %1 recorded words.</source>
        <translation>Il y a déjà %1 mots enregistrés.</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the recorded words.</source>
        <translation>Twindle n’a pas pu créer le dossier %1 pour les mots enregistrés.</translation>
    </message>
</context>
</TS>
