<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Animals</name>
    <message>
        <source>Kitty</source>
        <translation>Kätzchen</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Giraffe</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Ente</translation>
    </message>
    <message>
        <source>Froggy</source>
        <translation>Fröschchen</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Känguru</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Hirsch</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Schwein</translation>
    </message>
    <message>
        <source>Squirrel</source>
        <translation>Eichhörnchen</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Adler</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Hahn</translation>
    </message>
    <message>
        <source>Mammoth</source>
        <translation>Mammut</translation>
    </message>
    <message>
        <source>Horsey</source>
        <translation>Pferdchen</translation>
    </message>
</context>
<context>
    <name>CardFaces</name>
    <message>
        <source>capital %1</source>
        <translation>großes %1</translation>
    </message>
    <message>
        <source>small %1</source>
        <translation>kleines %1</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>The board, no cards</source>
        <translation>Das Spielfeld, keine Karten</translation>
    </message>
    <message>
        <source>The board, %1 cards</source>
        <translation>Das Spielfeld, %1 Karten</translation>
    </message>
    <message>
        <source>The arrow keys go from card to card; Space turns a card over.</source>
        <translation>Die Pfeiltasten gehen von Karte zu Karte; die Leertaste dreht eine Karte um.</translation>
    </message>
    <message>
        <source>card %1 of %2</source>
        <translation>Karte %1 von %2</translation>
    </message>
    <message>
        <source>%1, found: %2</source>
        <translation>%1, gefunden: %2</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, verdeckt</translation>
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
        <translation>Twindle! Für Kleinkinder Vers. 1.0</translation>
    </message>
    <message>
        <source>Thank you to every small player who tried it first</source>
        <translation>Danke an alle kleinen Spieler, die es als Erste ausprobiert haben</translation>
    </message>
    <message>
        <source>F11: full screen for little hands</source>
        <translation>F11: Vollbild für kleine Hände</translation>
    </message>
    <message>
        <source>(free software: GPL 3 or later; pictures: Twemoji)</source>
        <translation>(freie Software: GPL 3 oder später; Bilder: Twemoji)</translation>
    </message>
    <message>
        <source>Twindle is free software under the GNU General Public License, version 3 or any later version. Twemoji graphics: CC-BY 4.0. Fonts: Liberation, SIL Open Font License 1.1. See the README for the full credits.</source>
        <translation>Twindle ist freie Software unter der GNU General Public License, Version 3 oder jeder späteren Version. Twemoji-Grafiken: CC-BY 4.0. Schriften: Liberation, SIL Open Font License 1.1. Alle Danksagungen stehen in der README.</translation>
    </message>
    <message>
        <source>The Twindle team, programmers</source>
        <translation>Das Twindle-Team, Programmierer</translation>
    </message>
</context>
<context>
    <name>twindle::AllDoneScreen</name>
    <message>
        <source>All done!</source>
        <translation>Fertig für heute!</translation>
    </message>
</context>
<context>
    <name>twindle::BoardView</name>
    <message>
        <source>You Did It!</source>
        <translation>Geschafft!</translation>
    </message>
</context>
<context>
    <name>twindle::CardKind</name>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Letters: A and A</source>
        <translation>Buchstaben: A und A</translation>
    </message>
    <message>
        <source>Letters: A and a</source>
        <translation>Buchstaben: A und a</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Familienfotos</translation>
    </message>
    <message>
        <source>By ear: cards alike, told apart by their words</source>
        <translation>Nach Gehör: gleiche Karten, an ihren Wörtern erkannt</translation>
    </message>
</context>
<context>
    <name>twindle::CommandLine</name>
    <message>
        <source>Play full screen, locked for a toddler (also F11 in the window). Without --kind or --pairs a setup screen asks the parent first.</source>
        <translation>Vollbild, für ein Kleinkind gesperrt (auch F11 im Fenster). Ohne --kind oder --pairs fragt zuerst eine Einstellungsseite die Eltern.</translation>
    </message>
    <message>
        <source>Cards in toddler mode say nothing.</source>
        <translation>Die Karten im Kleinkindmodus sagen nichts.</translation>
    </message>
    <message>
        <source>Make a family card of the photo, named with --name, its name said as in the WAVE file of --voice.</source>
        <translation>Macht aus dem Foto eine Familienkarte mit dem Namen aus --name; ihr Name klingt wie in der WAVE-Datei aus --voice.</translation>
    </message>
    <message>
        <source>The name of the family card to add.</source>
        <translation>Der Name der neuen Familienkarte.</translation>
    </message>
    <message>
        <source>The family card&apos;s name said, a WAVE file.</source>
        <translation>Der gesprochene Name der Familienkarte, eine WAVE-Datei.</translation>
    </message>
    <message>
        <source>List the family cards, one a line, and end.</source>
        <translation>Listet die Familienkarten auf, eine pro Zeile, und endet.</translation>
    </message>
    <message>
        <source>Remove the family card of that name.</source>
        <translation>Entfernt die Familienkarte mit diesem Namen.</translation>
    </message>
    <message>
        <source>Print where the cards of every game stand, in pixels and in twips, and end.</source>
        <translation>Gibt aus, wo die Karten jedes Spiels liegen, in Pixeln und in Twips, und endet.</translation>
    </message>
    <message>
        <source>options that choose toddler mode&apos;s game, such as --kind and --pairs, need --toddler</source>
        <translation>Optionen, die das Spiel des Kleinkindmodus wählen, etwa --kind und --pairs, brauchen --toddler</translation>
    </message>
    <message>
        <source>A pairs card game for toddlers.</source>
        <translation>Ein Memo-Kartenspiel für Kleinkinder.</translation>
    </message>
    <message>
        <source>--%1 %2: give %3 to %4%5</source>
        <translation>--%1 %2: %3 bis %4 angeben%5</translation>
    </message>
    <message>
        <source>, or %1 for no limit</source>
        <translation>, oder %1 für keine Begrenzung</translation>
    </message>
    <message>
        <source>see twindle --help</source>
        <translation>siehe twindle --help</translation>
    </message>
</context>
<context>
    <name>twindle::GateOverlay</name>
    <message>
        <source>Grown-ups: to leave full screen, type %1 in digits, then press Enter.%2</source>
        <translation>Erwachsene: Um das Vollbild zu verlassen, %1 in Ziffern tippen und dann die Eingabetaste drücken.%2</translation>
    </message>
</context>
<context>
    <name>twindle::GatePad</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Grown-ups: to leave full screen, tap %1 in digits, then OK.%2</source>
        <translation>Erwachsene: Um das Vollbild zu verlassen, %1 in Ziffern antippen, dann OK.%2</translation>
    </message>
</context>
<context>
    <name>twindle::LanguageOptions</name>
    <message>
        <source>The windows and the parent gate in this language for this run: %1. Without it, the language chosen on the setup screen, else the system&apos;s.</source>
        <translation>Fenster und Elternsperre in dieser Sprache, nur für diesen Start: %1. Ohne diese Option gilt die auf der Einstellungsseite gewählte Sprache, sonst die des Systems.</translation>
    </message>
    <message>
        <source>The cards&apos; words in this language for this run: %1. A word with no voice in it, built in or recorded, is silent.</source>
        <translation>Die Wörter der Karten in dieser Sprache, nur für diesen Start: %1. Ein Wort ohne Stimme in dieser Sprache, eingebaut oder aufgenommen, bleibt stumm.</translation>
    </message>
    <message>
        <source>--%1 %2: Twindle has no such language; give one of %3</source>
        <translation>--%1 %2: Diese Sprache hat Twindle nicht; möglich sind %3</translation>
    </message>
</context>
<context>
    <name>twindle::LanguagePage</name>
    <message>
        <source>The system&apos;s: %1</source>
        <translation>Die des Systems: %1</translation>
    </message>
    <message>
        <source>The same as the screen&apos;s</source>
        <translation>Wie die des Bildschirms</translation>
    </message>
    <message>
        <source>Screen and gate:</source>
        <translation>Bildschirm und Sperre:</translation>
    </message>
    <message>
        <source>Cards&apos; words:</source>
        <translation>Wörter der Karten:</translation>
    </message>
    <message>
        <source>A new language shows once you press Start.</source>
        <translation>Eine neue Sprache erscheint, sobald Sie auf Starten drücken.</translation>
    </message>
    <message>
        <source>In this language (%1) the cards say their words in Twindle&apos;s own voice, or in yours where you recorded them (Family cards…, then Card words…).</source>
        <translation>In dieser Sprache (%1) sagen die Karten ihre Wörter mit Twindles eigener Stimme oder mit Ihrer, wo Sie sie aufgenommen haben (Familienkarten…, dann Kartenwörter…).</translation>
    </message>
    <message>
        <source>Twindle has no voice of its own in this language (%1): the cards say only the words you record (Family cards…, then Card words…) and are silent otherwise.</source>
        <translation>Twindle hat in dieser Sprache (%1) keine eigene Stimme: Die Karten sagen nur die Wörter, die Sie aufnehmen (Familienkarten…, dann Kartenwörter…), sonst bleiben sie stumm.</translation>
    </message>
</context>
<context>
    <name>twindle::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
</context>
<context>
    <name>twindle::OptionsDialog</name>
    <message>
        <source> Options</source>
        <translation> Optionen</translation>
    </message>
    <message>
        <source>Cards disappear</source>
        <translation>Karten verschwinden</translation>
    </message>
    <message>
        <source>Matching Pair sound</source>
        <translation>Ton bei einem Paar</translation>
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
        <translation>Nur ich</translation>
    </message>
    <message numerus="yes">
        <source>%n players taking turns</source>
        <translation>
            <numerusform>%n Spieler, abwechselnd</numerusform>
            <numerusform>%n Spieler, abwechselnd</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>twindle::PlayersBand</name>
    <message>
        <source>Playing together</source>
        <translation>Alle spielen zusammen</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 ist dran</translation>
    </message>
</context>
<context>
    <name>twindle::PlayersPage</name>
    <message>
        <source>Players:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>A friendly animal:</source>
        <translation>Ein freundliches Tier:</translation>
    </message>
    <message>
        <source>Its memory:</source>
        <translation>Sein Gedächtnis:</translation>
    </message>
    <message>
        <source>Play together as one team: one colour, no turns</source>
        <translation>Gemeinsam als ein Team spielen: eine Farbe, kein Abwechseln</translation>
    </message>
    <message>
        <source>Each player has a colour. A band of that colour around the board shows whose turn it is, and their name is said. A pair found, the same player goes again; a miss, the next player. The pairs found collect by the finder&apos;s picture.</source>
        <translation>Jeder Spieler hat eine Farbe. Ein Band in dieser Farbe um das Spielfeld zeigt, wer an der Reihe ist, und sein Name wird gesagt. Ein Paar gefunden: derselbe Spieler ist noch einmal dran; daneben: der nächste Spieler. Die gefundenen Paare sammeln sich beim Bild dessen, der sie gefunden hat.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>%1 plays too</source>
        <translation>%1 spielt mit</translation>
    </message>
    <message>
        <source>forgets a lot</source>
        <translation>vergisst viel</translation>
    </message>
    <message>
        <source>forgets a little</source>
        <translation>vergisst ein wenig</translation>
    </message>
    <message>
        <source>never forgets</source>
        <translation>vergisst nie</translation>
    </message>
</context>
<context>
    <name>twindle::RestartDialog</name>
    <message>
        <source>Start New Game</source>
        <translation>Neues Spiel starten</translation>
    </message>
    <message>
        <source>What kind of cards do you want to match?</source>
        <translation>Mit welchen Karten möchtest du spielen?</translation>
    </message>
    <message>
        <source>How many cards do you want to match?</source>
        <translation>Mit wie vielen Karten möchtest du spielen?</translation>
    </message>
    <message>
        <source>Start new Game?</source>
        <translation>Neues Spiel starten?</translation>
    </message>
    <message>
        <source>You have a game in progress!
Do you want to restart?</source>
        <translation>Ein Spiel läuft gerade!
Möchtest du neu anfangen?</translation>
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
        <translation>Kleinkindmodus</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The game then fills the screen and stays there. To leave it, press Escape and type the number it asks for; on a touch screen, hold a finger on the ring in the top right corner for three seconds and tap the number.</source>
        <translation>Das Spiel füllt dann den Bildschirm und bleibt dort. Zum Verlassen Escape drücken und die erfragte Zahl tippen; auf einem Touchscreen einen Finger drei Sekunden lang auf den Ring oben rechts legen und die Zahl antippen.</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Karten:</translation>
    </message>
    <message>
        <source>Family cards…</source>
        <translation>Familienkarten…</translation>
    </message>
    <message>
        <source>Pairs to start with:</source>
        <translation>Paare zu Beginn:</translation>
    </message>
    <message>
        <source>Grow with the child: a pair more after a good game</source>
        <translation>Mit dem Kind wachsen: ein Paar mehr nach einem guten Spiel</translation>
    </message>
    <message>
        <source>The cards say their names</source>
        <translation>Die Karten sagen ihre Namen</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Stimme:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Keine Begrenzung</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Spielzeit:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>Geräusche</translation>
    </message>
    <message numerus="yes">
        <source>Family photos: up to %n pairs</source>
        <translation>
            <numerusform>Familienfotos: bis zu %n Paar</numerusform>
            <numerusform>Familienfotos: bis zu %n Paare</numerusform>
        </translation>
    </message>
    <message>
        <source>Family photos: make two cards or more first</source>
        <translation>Familienfotos: zuerst zwei oder mehr Karten anlegen</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Taster</translation>
    </message>
    <message>
        <source>These cards are told apart by the words they say: switch the voice on.</source>
        <translation>Diese Karten unterscheidet man an ihren Wörtern: Schalten Sie die Stimme ein.</translation>
    </message>
</context>
<context>
    <name>twindle::SwitchPage</name>
    <message>
        <source>None: the keys, the mouse and the fingers</source>
        <translation>Keine: Tasten, Maus und Finger</translation>
    </message>
    <message>
        <source>One: the focus steps on by itself, the switch turns the card</source>
        <translation>Einer: Der Fokus geht von selbst weiter, der Taster dreht die Karte um</translation>
    </message>
    <message>
        <source>Two: switch 1 steps on, switch 2 turns the card</source>
        <translation>Zwei: Taster 1 geht weiter, Taster 2 dreht die Karte um</translation>
    </message>
    <message>
        <source>Switches:</source>
        <translation>Taster:</translation>
    </message>
    <message>
        <source>Step every:</source>
        <translation>Weiter alle:</translation>
    </message>
    <message>
        <source>Switch 1 sends:</source>
        <translation>Taster 1 sendet:</translation>
    </message>
    <message>
        <source>The key switch 1 sends</source>
        <translation>Die Taste, die Taster 1 sendet</translation>
    </message>
    <message>
        <source>Switch 2 sends:</source>
        <translation>Taster 2 sendet:</translation>
    </message>
    <message>
        <source>The key switch 2 sends</source>
        <translation>Die Taste, die Taster 2 sendet</translation>
    </message>
    <message>
        <source>Ignore a press within:</source>
        <translation>Druck ignorieren innerhalb:</translation>
    </message>
    <message>
        <source>Learn…</source>
        <translation>Lernen…</translation>
    </message>
    <message>
        <source>Then press the switch</source>
        <translation>Dann den Taster drücken</translation>
    </message>
    <message>
        <source>press the switch now</source>
        <translation>jetzt den Taster drücken</translation>
    </message>
    <message>
        <source>Press the switch now.</source>
        <translation>Drücken Sie jetzt den Taster.</translation>
    </message>
    <message>
        <source>Escape is the grown-ups&apos; way out: it cannot be a switch.</source>
        <translation>Escape ist der Ausgang der Erwachsenen: Es kann kein Taster sein.</translation>
    </message>
    <message>
        <source>That key cannot be a switch: press Learn and another.</source>
        <translation>Diese Taste kann kein Taster sein: Drücken Sie „Lernen“ und eine andere.</translation>
    </message>
    <message>
        <source>The other switch sends %1 already.</source>
        <translation>Der andere Taster sendet schon %1.</translation>
    </message>
    <message>
        <source>Switch %1 sends %2.</source>
        <translation>Taster %1 sendet %2.</translation>
    </message>
</context>
<context>
    <name>twindle::ToddlerOptions</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Toddler mode&apos;s cards: %1.</source>
        <translation>Die Karten im Kleinkindmodus: %1.</translation>
    </message>
    <message>
        <source>Toddler mode starts with this many pairs, %1 to %2.</source>
        <translation>Der Kleinkindmodus beginnt mit so vielen Paaren, %1 bis %2.</translation>
    </message>
    <message>
        <source>The number of pairs stays; without it, it grows with the child.</source>
        <translation>Die Zahl der Paare bleibt gleich; ohne diese Option wächst sie mit dem Kind.</translation>
    </message>
    <message>
        <source>Play time in toddler mode, %1 to %2 minutes; %3 for no limit.</source>
        <translation>Spielzeit im Kleinkindmodus, %1 bis %2 Minuten; %3 für keine Begrenzung.</translation>
    </message>
    <message>
        <source>--kind family: %1 pairs need %1 family cards, and there are %2 (add them with --add-family-card or on the setup screen)</source>
        <translation>--kind family: %1 Paare brauchen %1 Familienkarten, und es gibt %2 (mit --add-family-card oder auf der Einstellungsseite hinzufügen)</translation>
    </message>
    <message>
        <source>--kind %1: not a kind of cards (%2)</source>
        <translation>--kind %1: keine Kartenart (%2)</translation>
    </message>
</context>
<context>
    <name>twindle::VoiceRecorder</name>
    <message>
        <source>There is no microphone.</source>
        <translation>Es gibt kein Mikrofon.</translation>
    </message>
    <message>
        <source>The microphone does not record in a way Twindle can use.</source>
        <translation>Das Mikrofon nimmt nicht so auf, wie Twindle es braucht.</translation>
    </message>
    <message>
        <source>The microphone could not be started.</source>
        <translation>Das Mikrofon ließ sich nicht starten.</translation>
    </message>
</context>
<context>
    <name>twindle::family::CropView</name>
    <message>
        <source>Drag the frame, or use the arrow keys, to choose what the card shows; the mouse wheel or + and - make it larger or smaller.</source>
        <translation>Den Rahmen ziehen oder die Pfeiltasten nutzen, um zu wählen, was die Karte zeigt; Mausrad oder + und - machen ihn größer oder kleiner.</translation>
    </message>
    <message>
        <source>What the card shows</source>
        <translation>Was die Karte zeigt</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyCommands</name>
    <message>
        <source>%1 family cards, games of up to %2 pairs</source>
        <translation>Familienkarten: %1, Spiele mit bis zu %2 Paaren</translation>
    </message>
    <message>
        <source>A new card needs a name: --name NAME.</source>
        <translation>Eine neue Karte braucht einen Namen: --name NAME.</translation>
    </message>
    <message>
        <source>Added “%1”: %2.</source>
        <translation>„%1“ hinzugefügt: %2.</translation>
    </message>
    <message>
        <source>Removed “%1”: %2.</source>
        <translation>„%1“ entfernt: %2.</translation>
    </message>
    <message>
        <source>Give one of --add-family-card PHOTO --name NAME [--voice WAV], --list-family-cards or --remove-family-card NAME.</source>
        <translation>Geben Sie eines davon an: --add-family-card FOTO --name NAME [--voice WAV], --list-family-cards oder --remove-family-card NAME.</translation>
    </message>
    <message>
        <source>--name and --voice go with --add-family-card.</source>
        <translation>--name und --voice gehören zu --add-family-card.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyDeck</name>
    <message>
        <source>There is already a card named “%1”.</source>
        <translation>Es gibt schon eine Karte namens „%1“.</translation>
    </message>
    <message>
        <source>There is no card named “%1”.</source>
        <translation>Es gibt keine Karte namens „%1“.</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the family cards.</source>
        <translation>Twindle konnte den Ordner %1 für die Familienkarten nicht anlegen.</translation>
    </message>
    <message>
        <source> Twindle leaves the family cards as they are.</source>
        <translation> Twindle lässt die Familienkarten, wie sie sind.</translation>
    </message>
    <message>
        <source>Twindle could not make the card&apos;s picture from the photo.</source>
        <translation>Twindle konnte aus dem Foto kein Kartenbild machen.</translation>
    </message>
    <message>
        <source>The recording is not a card&apos;s voice as Twindle makes it.</source>
        <translation>Die Aufnahme ist keine Kartenstimme, wie Twindle sie macht.</translation>
    </message>
    <message>
        <source>The deck is full: it holds %1 cards.</source>
        <translation>Der Stapel ist voll: Er fasst %1 Karten.</translation>
    </message>
    <message>
        <source>Twindle could not save the family cards: %1.</source>
        <translation>Twindle konnte die Familienkarten nicht speichern: %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>die Festplatte ist voll</translation>
    </message>
    <message>
        <source>the system did not say why</source>
        <translation>das System hat keinen Grund genannt</translation>
    </message>
    <message>
        <source>Another Twindle is changing the family cards; try again in a moment.</source>
        <translation>Ein anderes Twindle ändert gerade die Familienkarten; bitte gleich noch einmal versuchen.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index: %1.</source>
        <translation>Twindle konnte das Verzeichnis der Familienkarten nicht lesen: %1.</translation>
    </message>
    <message>
        <source>The family cards&apos; index is too large to be one Twindle wrote.</source>
        <translation>Das Verzeichnis der Familienkarten ist zu groß, um von Twindle zu stammen.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index.</source>
        <translation>Twindle konnte das Verzeichnis der Familienkarten nicht lesen.</translation>
    </message>
    <message>
        <source>its picture is missing</source>
        <translation>ihr Bild fehlt</translation>
    </message>
    <message>
        <source>its picture is damaged</source>
        <translation>ihr Bild ist beschädigt</translation>
    </message>
    <message>
        <source>its recording is damaged</source>
        <translation>ihre Aufnahme ist beschädigt</translation>
    </message>
    <message>
        <source>its recording is missing</source>
        <translation>ihre Aufnahme fehlt</translation>
    </message>
    <message>
        <source>Line %1 of the family cards&apos; index is skipped: %2</source>
        <translation>Zeile %1 im Verzeichnis der Familienkarten wird übersprungen: %2</translation>
    </message>
    <message>
        <source>an earlier card has the same name</source>
        <translation>eine frühere Karte hat denselben Namen</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>„%1“ wird weggelassen: %2.</translation>
    </message>
    <message>
        <source>“%1” is kept silent: %2.</source>
        <translation>„%1“ bleibt stumm: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a photo.</source>
        <translation>%1 ist ein Ordner, kein Foto.</translation>
    </message>
    <message>
        <source>%1 is not a photo: it is not an ordinary file.</source>
        <translation>%1 ist kein Foto: Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>%1 is too large (%2 MB): photos up to %3 MB can be used.</source>
        <translation>%1 ist zu groß (%2 MB): Fotos bis %3 MB lassen sich verwenden.</translation>
    </message>
    <message>
        <source>%1 is too big a picture (%2 x %3 pixels): Twindle takes photos of up to %4 million pixels.</source>
        <translation>%1 ist ein zu großes Bild (%2 x %3 Pixel): Twindle nimmt Fotos mit bis zu %4 Millionen Pixeln.</translation>
    </message>
    <message>
        <source>%1 is too small (%2 x %3 pixels): a card needs at least %4 x %5.</source>
        <translation>%1 ist zu klein (%2 x %3 Pixel): Eine Karte braucht mindestens %4 x %5.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Es gibt keine Datei %1.</translation>
    </message>
    <message>
        <source>Twindle may not read %1.</source>
        <translation>Twindle darf %1 nicht lesen.</translation>
    </message>
    <message>
        <source>Twindle could not read %1.</source>
        <translation>Twindle konnte %1 nicht lesen.</translation>
    </message>
    <message>
        <source>%1 is not a picture Twindle can read.</source>
        <translation>%1 ist kein Bild, das Twindle lesen kann.</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short.</source>
        <translation>%1 ist beschädigt oder abgeschnitten.</translation>
    </message>
    <message>
        <source>The recording&apos;s sample rate (%1 Hz) is not one Twindle takes: it takes %2 to %3 Hz.</source>
        <translation>Die Abtastrate der Aufnahme (%1 Hz) nimmt Twindle nicht: Es nimmt %2 bis %3 Hz.</translation>
    </message>
    <message>
        <source>Twindle could not convert the recording.</source>
        <translation>Twindle konnte die Aufnahme nicht umwandeln.</translation>
    </message>
    <message>
        <source>The recording is silent.</source>
        <translation>Die Aufnahme ist stumm.</translation>
    </message>
    <message>
        <source>The recording lasts %1 s without the silence around it: a name may last up to %2 s.</source>
        <translation>Die Aufnahme dauert ohne die Stille drumherum %1 s: Ein Name darf bis zu %2 s dauern.</translation>
    </message>
    <message>
        <source>There is no recording %1.</source>
        <translation>Es gibt keine Aufnahme %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a name (%2 MB).</source>
        <translation>%1 ist zu groß für einen Namen (%2 MB).</translation>
    </message>
    <message>
        <source>%1 is not a WAVE recording Twindle can read (8 or 16-bit PCM).</source>
        <translation>%1 ist keine WAVE-Aufnahme, die Twindle lesen kann (8- oder 16-Bit-PCM).</translation>
    </message>
    <message>
        <source>Twindle&apos;s part that reads photos and recordings (lib/twindle/twindle_media.so) is missing; installing Twindle again brings it back</source>
        <translation>Der Teil von Twindle, der Fotos und Aufnahmen liest (lib/twindle/twindle_media.so), fehlt; Twindle neu zu installieren bringt ihn zurück</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>%1 lässt sich nicht prüfen: %2.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyEditor</name>
    <message>
        <source>No photos yet: add some to make family cards.</source>
        <translation>Noch keine Fotos: Fügen Sie welche hinzu, um Familienkarten zu machen.</translation>
    </message>
    <message>
        <source>1 photo: games of up to 1 pair</source>
        <translation>1 Foto: Spiele mit bis zu 1 Paar</translation>
    </message>
    <message numerus="yes">
        <source>%n photos: games of up to %1 pairs</source>
        <translation>
            <numerusform>%n Foto: Spiele mit bis zu %1 Paaren</numerusform>
            <numerusform>%n Fotos: Spiele mit bis zu %1 Paaren</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose the p&amp;hoto again...</source>
        <translation>&amp;Foto neu wählen...</translation>
    </message>
    <message>
        <source>Re&amp;move card</source>
        <translation>Karte &amp;entfernen</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Familienfotos</translation>
    </message>
    <message>
        <source>Family cards</source>
        <translation>Familienkarten</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Stimme:</translation>
    </message>
    <message>
        <source>&amp;Add photos...</source>
        <translation>Fotos &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Card &amp;words...</source>
        <translation>Karten&amp;wörter...</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Fotos (%1)</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Choose the photo of “%1”</source>
        <translation>Das Foto von „%1“ wählen</translation>
    </message>
    <message>
        <source>Remove card</source>
        <translation>Karte entfernen</translation>
    </message>
    <message>
        <source>Remove “%1” from the family cards? The photo itself stays where it is.</source>
        <translation>„%1“ aus den Familienkarten entfernen? Das Foto selbst bleibt, wo es ist.</translation>
    </message>
</context>
<context>
    <name>twindle::family::VoicePanel</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Anhören</translation>
    </message>
    <message>
        <source>&amp;Silent</source>
        <translation>S&amp;tumm</translation>
    </message>
    <message>
        <source>Say the name after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Den Namen nach dem Drücken sagen; die Aufnahme endet nach %1 Sekunden oder beim nochmaligen Drücken.</translation>
    </message>
    <message>
        <source>Say the word after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Das Wort nach dem Drücken sagen; die Aufnahme endet nach %1 Sekunden oder beim nochmaligen Drücken.</translation>
    </message>
    <message>
        <source>&amp;Record again</source>
        <translation>Neu a&amp;ufnehmen</translation>
    </message>
    <message>
        <source>Recording needs Twindle&apos;s sound module, which is not installed.</source>
        <translation>Zum Aufnehmen braucht Twindle sein Tonmodul, das nicht installiert ist.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Sto&amp;pp</translation>
    </message>
    <message>
        <source>Recording: say the name now (up to %1 seconds).</source>
        <translation>Aufnahme: Jetzt den Namen sagen (bis zu %1 Sekunden).</translation>
    </message>
    <message>
        <source>Recording: say the word now (up to %1 seconds).</source>
        <translation>Aufnahme: Jetzt das Wort sagen (bis zu %1 Sekunden).</translation>
    </message>
    <message>
        <source>&amp;Record the name</source>
        <translation>Namen a&amp;ufnehmen</translation>
    </message>
    <message>
        <source>&amp;Record the word</source>
        <translation>Wort a&amp;ufnehmen</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecorder</name>
    <message>
        <source>The cards&apos; words: %1</source>
        <translation>Die Wörter der Karten: %1</translation>
    </message>
    <message>
        <source>Pick a picture, a letter or a cheer, then record how you say it. In this language the cards say what you record here, in place of Twindle&apos;s own voice.</source>
        <translation>Ein Bild, einen Buchstaben oder einen Jubel wählen, dann aufnehmen, wie Sie es sagen. In dieser Sprache sagen die Karten dann Ihre Aufnahme statt Twindles eigener Stimme.</translation>
    </message>
    <message>
        <source>The cards&apos; words</source>
        <translation>Die Wörter der Karten</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Geschafft!</translation>
    </message>
    <message>
        <source>All done!</source>
        <translation>Fertig für heute!</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>aufgenommen</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (aufgenommen)</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecordings</name>
    <message>
        <source>Twindle could not read the index of the recorded words in %1.</source>
        <translation>Twindle konnte das Verzeichnis der aufgenommenen Wörter in %1 nicht lesen.</translation>
    </message>
    <message>
        <source>Line %1 of the recorded words&apos; index is skipped: %2</source>
        <translation>Zeile %1 im Verzeichnis der aufgenommenen Wörter wird übersprungen: %2</translation>
    </message>
    <message>
        <source>The recorded word %1 (language %2) is skipped: its recording is missing or damaged.</source>
        <translation>Das aufgenommene Wort %1 (Sprache %2) wird übersprungen: Seine Aufnahme fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>The recording is not a word as Twindle makes it.</source>
        <translation>Die Aufnahme ist kein Wort, wie Twindle es macht.</translation>
    </message>
    <message>
        <source>There are already %1 recorded words.</source>
        <translation>Es gibt schon %1 aufgenommene Wörter.</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the recorded words.</source>
        <translation>Twindle konnte den Ordner %1 für die aufgenommenen Wörter nicht anlegen.</translation>
    </message>
</context>
</TS>
