<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Animals</name>
    <message>
        <source>Kitty</source>
        <translation>Gattino</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguino</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Giraffa</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Anatra</translation>
    </message>
    <message>
        <source>Froggy</source>
        <translation>Ranocchio</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfino</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>Coccinella</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Farfalla</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Canguro</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Cervo</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Maialino</translation>
    </message>
    <message>
        <source>Squirrel</source>
        <translation>Scoiattolo</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Aquila</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Gallo</translation>
    </message>
    <message>
        <source>Mammoth</source>
        <translation>Mammut</translation>
    </message>
    <message>
        <source>Horsey</source>
        <translation>Cavallino</translation>
    </message>
</context>
<context>
    <name>CardFaces</name>
    <message>
        <source>capital %1</source>
        <translation>%1 maiuscola</translation>
    </message>
    <message>
        <source>small %1</source>
        <translation>%1 minuscola</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>The board, no cards</source>
        <translation>Il tavolo, nessuna carta</translation>
    </message>
    <message>
        <source>The board, %1 cards</source>
        <translation>Il tavolo, %1 carte</translation>
    </message>
    <message>
        <source>The arrow keys go from card to card; Space turns a card over.</source>
        <translation>Le frecce vanno da una carta all’altra; Spazio gira una carta.</translation>
    </message>
    <message>
        <source>card %1 of %2</source>
        <translation>carta %1 di %2</translation>
    </message>
    <message>
        <source>%1, found: %2</source>
        <translation>%1, trovata: %2</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, coperta</translation>
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
        <translation>Twindle! Per i più piccoli vers. 1.0</translation>
    </message>
    <message>
        <source>Thank you to every small player who tried it first</source>
        <translation>Grazie a tutti i piccoli giocatori che l’hanno provato per primi</translation>
    </message>
    <message>
        <source>F11: full screen for little hands</source>
        <translation>F11: schermo intero per piccole mani</translation>
    </message>
    <message>
        <source>(free software: GPL 3 or later; pictures: Twemoji)</source>
        <translation>(software libero: GPL 3 o successiva; immagini: Twemoji)</translation>
    </message>
    <message>
        <source>Twindle is free software under the GNU General Public License, version 3 or any later version. Twemoji graphics: CC-BY 4.0. Fonts: Liberation, SIL Open Font License 1.1. See the README for the full credits.</source>
        <translation>Twindle è software libero sotto la GNU General Public License, versione 3 o qualsiasi versione successiva. Grafica Twemoji: CC-BY 4.0. Caratteri: Liberation, SIL Open Font License 1.1. Tutti i riconoscimenti sono nel README.</translation>
    </message>
    <message>
        <source>The Twindle team, programmers</source>
        <translation>La squadra di Twindle, programmatori</translation>
    </message>
</context>
<context>
    <name>twindle::AllDoneScreen</name>
    <message>
        <source>All done!</source>
        <translation>Abbiamo finito!</translation>
    </message>
</context>
<context>
    <name>twindle::BoardView</name>
    <message>
        <source>You Did It!</source>
        <translation>Ce l’hai fatta!</translation>
    </message>
</context>
<context>
    <name>twindle::CardKind</name>
    <message>
        <source>Pictures</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Letters: A and A</source>
        <translation>Lettere: A e A</translation>
    </message>
    <message>
        <source>Letters: A and a</source>
        <translation>Lettere: A e a</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Foto di famiglia</translation>
    </message>
    <message>
        <source>By ear: cards alike, told apart by their words</source>
        <translation>A orecchio: carte uguali, riconosciute dalle parole</translation>
    </message>
</context>
<context>
    <name>twindle::CommandLine</name>
    <message>
        <source>Play full screen, locked for a toddler (also F11 in the window). Without --kind or --pairs a setup screen asks the parent first.</source>
        <translation>Gioca a schermo intero, bloccato per un bambino piccolo (anche F11 nella finestra). Senza --kind o --pairs una schermata di impostazioni chiede prima al genitore.</translation>
    </message>
    <message>
        <source>Cards in toddler mode say nothing.</source>
        <translation>Le carte della modalità bimbi non dicono nulla.</translation>
    </message>
    <message>
        <source>Make a family card of the photo, named with --name, its name said as in the WAVE file of --voice.</source>
        <translation>Crea una carta di famiglia dalla foto, con il nome di --name e il nome detto come nel file WAVE di --voice.</translation>
    </message>
    <message>
        <source>The name of the family card to add.</source>
        <translation>Il nome della carta di famiglia da aggiungere.</translation>
    </message>
    <message>
        <source>The family card&apos;s name said, a WAVE file.</source>
        <translation>Il nome detto della carta di famiglia, un file WAVE.</translation>
    </message>
    <message>
        <source>List the family cards, one a line, and end.</source>
        <translation>Elenca le carte di famiglia, una per riga, e termina.</translation>
    </message>
    <message>
        <source>Remove the family card of that name.</source>
        <translation>Toglie la carta di famiglia con quel nome.</translation>
    </message>
    <message>
        <source>Print where the cards of every game stand, in pixels and in twips, and end.</source>
        <translation>Stampa dove stanno le carte di ogni partita, in pixel e in twip, e termina.</translation>
    </message>
    <message>
        <source>options that choose toddler mode&apos;s game, such as --kind and --pairs, need --toddler</source>
        <translation>le opzioni che scelgono la partita della modalità bimbi, come --kind e --pairs, richiedono --toddler</translation>
    </message>
    <message>
        <source>A pairs card game for toddlers.</source>
        <translation>Un gioco di coppie per i più piccoli.</translation>
    </message>
    <message>
        <source>--%1 %2: give %3 to %4%5</source>
        <translation>--%1 %2: indicare da %3 a %4%5</translation>
    </message>
    <message>
        <source>, or %1 for no limit</source>
        <translation>, oppure %1 per nessun limite</translation>
    </message>
    <message>
        <source>see twindle --help</source>
        <translation>vedi twindle --help</translation>
    </message>
</context>
<context>
    <name>twindle::GateOverlay</name>
    <message>
        <source>Grown-ups: to leave full screen, type %1 in digits, then press Enter.%2</source>
        <translation>Adulti: per uscire dallo schermo intero, digitate %1 in cifre, poi premete Invio.%2</translation>
    </message>
</context>
<context>
    <name>twindle::GatePad</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Grown-ups: to leave full screen, tap %1 in digits, then OK.%2</source>
        <translation>Adulti: per uscire dallo schermo intero, toccate %1 in cifre, poi OK.%2</translation>
    </message>
</context>
<context>
    <name>twindle::LanguageOptions</name>
    <message>
        <source>The windows and the parent gate in this language for this run: %1. Without it, the language chosen on the setup screen, else the system&apos;s.</source>
        <translation>Le finestre e il blocco per adulti in questa lingua, solo per questa volta: %1. Senza questa opzione, la lingua scelta nelle impostazioni, altrimenti quella del sistema.</translation>
    </message>
    <message>
        <source>The cards&apos; words in this language for this run: %1. A word with no voice in it, built in or recorded, is silent.</source>
        <translation>Le parole delle carte in questa lingua, solo per questa volta: %1. Una parola senza voce in questa lingua, integrata o registrata, resta muta.</translation>
    </message>
    <message>
        <source>--%1 %2: Twindle has no such language; give one of %3</source>
        <translation>--%1 %2: Twindle non ha questa lingua; indicarne una tra %3</translation>
    </message>
</context>
<context>
    <name>twindle::LanguagePage</name>
    <message>
        <source>The system&apos;s: %1</source>
        <translation>Quella del sistema: %1</translation>
    </message>
    <message>
        <source>The same as the screen&apos;s</source>
        <translation>La stessa dello schermo</translation>
    </message>
    <message>
        <source>Screen and gate:</source>
        <translation>Schermo e blocco:</translation>
    </message>
    <message>
        <source>Cards&apos; words:</source>
        <translation>Parole delle carte:</translation>
    </message>
    <message>
        <source>A new language shows once you press Start.</source>
        <translation>La nuova lingua compare appena premete Inizia.</translation>
    </message>
    <message>
        <source>In this language (%1) the cards say their words in Twindle&apos;s own voice, or in yours where you recorded them (Family cards…, then Card words…).</source>
        <translation>In questa lingua (%1) le carte dicono le loro parole con la voce di Twindle, o con la vostra dove le avete registrate (Carte di famiglia…, poi Parole delle carte…).</translation>
    </message>
    <message>
        <source>Twindle has no voice of its own in this language (%1): the cards say only the words you record (Family cards…, then Card words…) and are silent otherwise.</source>
        <translation>Twindle non ha una voce sua in questa lingua (%1): le carte dicono solo le parole che registrate (Carte di famiglia…, poi Parole delle carte…), altrimenti restano mute.</translation>
    </message>
</context>
<context>
    <name>twindle::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Gioca</translation>
    </message>
</context>
<context>
    <name>twindle::OptionsDialog</name>
    <message>
        <source> Options</source>
        <translation> Opzioni</translation>
    </message>
    <message>
        <source>Cards disappear</source>
        <translation>Le carte spariscono</translation>
    </message>
    <message>
        <source>Matching Pair sound</source>
        <translation>Suono per ogni coppia</translation>
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
        <translation>Solo io</translation>
    </message>
    <message numerus="yes">
        <source>%n players taking turns</source>
        <translation>
            <numerusform>%n giocatore a turno</numerusform>
            <numerusform>%n giocatori a turno</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>twindle::PlayersBand</name>
    <message>
        <source>Playing together</source>
        <translation>Giochiamo insieme</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Tocca a %1</translation>
    </message>
</context>
<context>
    <name>twindle::PlayersPage</name>
    <message>
        <source>Players:</source>
        <translation>Giocatori:</translation>
    </message>
    <message>
        <source>A friendly animal:</source>
        <translation>Un animale amico:</translation>
    </message>
    <message>
        <source>Its memory:</source>
        <translation>La sua memoria:</translation>
    </message>
    <message>
        <source>Play together as one team: one colour, no turns</source>
        <translation>Giocare insieme come una squadra: un colore, senza turni</translation>
    </message>
    <message>
        <source>Each player has a colour. A band of that colour around the board shows whose turn it is, and their name is said. A pair found, the same player goes again; a miss, the next player. The pairs found collect by the finder&apos;s picture.</source>
        <translation>Ogni giocatore ha un colore. Una fascia di quel colore intorno al gioco mostra a chi tocca, e se ne dice il nome. Trovata una coppia, lo stesso giocatore gioca ancora; sbagliato, tocca al successivo. Le coppie trovate si raccolgono accanto all&apos;immagine di chi le ha trovate.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>%1 plays too</source>
        <translation>Gioca anche %1</translation>
    </message>
    <message>
        <source>forgets a lot</source>
        <translation>dimentica molto</translation>
    </message>
    <message>
        <source>forgets a little</source>
        <translation>dimentica un po&apos;</translation>
    </message>
    <message>
        <source>never forgets</source>
        <translation>non dimentica mai</translation>
    </message>
</context>
<context>
    <name>twindle::RestartDialog</name>
    <message>
        <source>Start New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>What kind of cards do you want to match?</source>
        <translation>Con quali carte vuoi giocare?</translation>
    </message>
    <message>
        <source>How many cards do you want to match?</source>
        <translation>Con quante carte vuoi giocare?</translation>
    </message>
    <message>
        <source>Start new Game?</source>
        <translation>Nuova partita?</translation>
    </message>
    <message>
        <source>You have a game in progress!
Do you want to restart?</source>
        <translation>C’è una partita in corso!
Vuoi ricominciare?</translation>
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
        <translation>Modalità bimbi</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The game then fills the screen and stays there. To leave it, press Escape and type the number it asks for; on a touch screen, hold a finger on the ring in the top right corner for three seconds and tap the number.</source>
        <translation>Il gioco riempie poi lo schermo e resta lì. Per uscire, premete Esc e digitate il numero richiesto; su uno schermo touch, tenete un dito per tre secondi sul cerchio in alto a destra e toccate il numero.</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Carte:</translation>
    </message>
    <message>
        <source>Family cards…</source>
        <translation>Carte di famiglia…</translation>
    </message>
    <message>
        <source>Pairs to start with:</source>
        <translation>Coppie all’inizio:</translation>
    </message>
    <message>
        <source>Grow with the child: a pair more after a good game</source>
        <translation>Crescere con il bambino: una coppia in più dopo una bella partita</translation>
    </message>
    <message>
        <source>The cards say their names</source>
        <translation>Le carte dicono il loro nome</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Voce:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Tempo di gioco:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>voce</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>suoni</translation>
    </message>
    <message numerus="yes">
        <source>Family photos: up to %n pairs</source>
        <translation>
            <numerusform>Foto di famiglia: fino a %n coppia</numerusform>
            <numerusform>Foto di famiglia: fino a %n coppie</numerusform>
        </translation>
    </message>
    <message>
        <source>Family photos: make two cards or more first</source>
        <translation>Foto di famiglia: prima create due carte o più</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Sensori</translation>
    </message>
    <message>
        <source>These cards are told apart by the words they say: switch the voice on.</source>
        <translation>Queste carte si distinguono dalle parole che dicono: attivate la voce.</translation>
    </message>
</context>
<context>
    <name>twindle::SwitchPage</name>
    <message>
        <source>None: the keys, the mouse and the fingers</source>
        <translation>Nessuno: i tasti, il mouse e le dita</translation>
    </message>
    <message>
        <source>One: the focus steps on by itself, the switch turns the card</source>
        <translation>Uno: il focus avanza da solo, il sensore gira la carta</translation>
    </message>
    <message>
        <source>Two: switch 1 steps on, switch 2 turns the card</source>
        <translation>Due: il sensore 1 avanza, il sensore 2 gira la carta</translation>
    </message>
    <message>
        <source>Switches:</source>
        <translation>Sensori:</translation>
    </message>
    <message>
        <source>Step every:</source>
        <translation>Avanza ogni:</translation>
    </message>
    <message>
        <source>Switch 1 sends:</source>
        <translation>Il sensore 1 invia:</translation>
    </message>
    <message>
        <source>The key switch 1 sends</source>
        <translation>Il tasto che invia il sensore 1</translation>
    </message>
    <message>
        <source>Switch 2 sends:</source>
        <translation>Il sensore 2 invia:</translation>
    </message>
    <message>
        <source>The key switch 2 sends</source>
        <translation>Il tasto che invia il sensore 2</translation>
    </message>
    <message>
        <source>Ignore a press within:</source>
        <translation>Ignora una pressione entro:</translation>
    </message>
    <message>
        <source>Learn…</source>
        <translation>Impara…</translation>
    </message>
    <message>
        <source>Then press the switch</source>
        <translation>Poi premete il sensore</translation>
    </message>
    <message>
        <source>press the switch now</source>
        <translation>premete il sensore ora</translation>
    </message>
    <message>
        <source>Press the switch now.</source>
        <translation>Premete il sensore ora.</translation>
    </message>
    <message>
        <source>Escape is the grown-ups&apos; way out: it cannot be a switch.</source>
        <translation>Esc è l’uscita dei grandi: non può essere un sensore.</translation>
    </message>
    <message>
        <source>That key cannot be a switch: press Learn and another.</source>
        <translation>Quel tasto non può essere un sensore: premete Impara e un altro.</translation>
    </message>
    <message>
        <source>The other switch sends %1 already.</source>
        <translation>L’altro sensore invia già %1.</translation>
    </message>
    <message>
        <source>Switch %1 sends %2.</source>
        <translation>Il sensore %1 invia %2.</translation>
    </message>
</context>
<context>
    <name>twindle::ToddlerOptions</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Toddler mode&apos;s cards: %1.</source>
        <translation>Le carte della modalità bimbi: %1.</translation>
    </message>
    <message>
        <source>Toddler mode starts with this many pairs, %1 to %2.</source>
        <translation>La modalità bimbi comincia con questo numero di coppie, da %1 a %2.</translation>
    </message>
    <message>
        <source>The number of pairs stays; without it, it grows with the child.</source>
        <translation>Il numero di coppie resta uguale; senza questa opzione, cresce con il bambino.</translation>
    </message>
    <message>
        <source>Play time in toddler mode, %1 to %2 minutes; %3 for no limit.</source>
        <translation>Tempo di gioco nella modalità bimbi, da %1 a %2 minuti; %3 per nessun limite.</translation>
    </message>
    <message>
        <source>--kind family: %1 pairs need %1 family cards, and there are %2 (add them with --add-family-card or on the setup screen)</source>
        <translation>--kind family: %1 coppie richiedono %1 carte di famiglia, e ce ne sono %2 (aggiungetele con --add-family-card o nelle impostazioni)</translation>
    </message>
    <message>
        <source>--kind %1: not a kind of cards (%2)</source>
        <translation>--kind %1: non è un tipo di carte (%2)</translation>
    </message>
</context>
<context>
    <name>twindle::VoiceRecorder</name>
    <message>
        <source>There is no microphone.</source>
        <translation>Non c’è nessun microfono.</translation>
    </message>
    <message>
        <source>The microphone does not record in a way Twindle can use.</source>
        <translation>Il microfono non registra in un modo che Twindle possa usare.</translation>
    </message>
    <message>
        <source>The microphone could not be started.</source>
        <translation>Non è stato possibile avviare il microfono.</translation>
    </message>
</context>
<context>
    <name>twindle::family::CropView</name>
    <message>
        <source>Drag the frame, or use the arrow keys, to choose what the card shows; the mouse wheel or + and - make it larger or smaller.</source>
        <translation>Trascinate la cornice, o usate le frecce, per scegliere cosa mostra la carta; la rotellina del mouse o + e - la ingrandiscono o la rimpiccioliscono.</translation>
    </message>
    <message>
        <source>What the card shows</source>
        <translation>Cosa mostra la carta</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyCommands</name>
    <message>
        <source>%1 family cards, games of up to %2 pairs</source>
        <translation>Carte di famiglia: %1, partite fino a %2 coppie</translation>
    </message>
    <message>
        <source>A new card needs a name: --name NAME.</source>
        <translation>Una carta nuova ha bisogno di un nome: --name NOME.</translation>
    </message>
    <message>
        <source>Added “%1”: %2.</source>
        <translation>«%1» aggiunta: %2.</translation>
    </message>
    <message>
        <source>Removed “%1”: %2.</source>
        <translation>«%1» tolta: %2.</translation>
    </message>
    <message>
        <source>Give one of --add-family-card PHOTO --name NAME [--voice WAV], --list-family-cards or --remove-family-card NAME.</source>
        <translation>Indicare una di queste: --add-family-card FOTO --name NOME [--voice WAV], --list-family-cards o --remove-family-card NOME.</translation>
    </message>
    <message>
        <source>--name and --voice go with --add-family-card.</source>
        <translation>--name e --voice vanno con --add-family-card.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyDeck</name>
    <message>
        <source>There is already a card named “%1”.</source>
        <translation>C’è già una carta chiamata «%1».</translation>
    </message>
    <message>
        <source>There is no card named “%1”.</source>
        <translation>Non c’è nessuna carta chiamata «%1».</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the family cards.</source>
        <translation>Twindle non è riuscito a creare la cartella %1 per le carte di famiglia.</translation>
    </message>
    <message>
        <source> Twindle leaves the family cards as they are.</source>
        <translation> Twindle lascia le carte di famiglia come sono.</translation>
    </message>
    <message>
        <source>Twindle could not make the card&apos;s picture from the photo.</source>
        <translation>Twindle non è riuscito a fare l’immagine della carta dalla foto.</translation>
    </message>
    <message>
        <source>The recording is not a card&apos;s voice as Twindle makes it.</source>
        <translation>La registrazione non è una voce di carta come la fa Twindle.</translation>
    </message>
    <message>
        <source>The deck is full: it holds %1 cards.</source>
        <translation>Il mazzo è pieno: contiene %1 carte.</translation>
    </message>
    <message>
        <source>Twindle could not save the family cards: %1.</source>
        <translation>Twindle non è riuscito a salvare le carte di famiglia: %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the system did not say why</source>
        <translation>il sistema non ha detto perché</translation>
    </message>
    <message>
        <source>Another Twindle is changing the family cards; try again in a moment.</source>
        <translation>Un altro Twindle sta cambiando le carte di famiglia; riprovate tra un momento.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index: %1.</source>
        <translation>Twindle non è riuscito a leggere l’indice delle carte di famiglia: %1.</translation>
    </message>
    <message>
        <source>The family cards&apos; index is too large to be one Twindle wrote.</source>
        <translation>L’indice delle carte di famiglia è troppo grande per venire da Twindle.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index.</source>
        <translation>Twindle non è riuscito a leggere l’indice delle carte di famiglia.</translation>
    </message>
    <message>
        <source>its picture is missing</source>
        <translation>manca la sua immagine</translation>
    </message>
    <message>
        <source>its picture is damaged</source>
        <translation>la sua immagine è danneggiata</translation>
    </message>
    <message>
        <source>its recording is damaged</source>
        <translation>la sua registrazione è danneggiata</translation>
    </message>
    <message>
        <source>its recording is missing</source>
        <translation>manca la sua registrazione</translation>
    </message>
    <message>
        <source>Line %1 of the family cards&apos; index is skipped: %2</source>
        <translation>La riga %1 dell’indice delle carte di famiglia viene saltata: %2</translation>
    </message>
    <message>
        <source>an earlier card has the same name</source>
        <translation>una carta precedente ha lo stesso nome</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>«%1» resta fuori: %2.</translation>
    </message>
    <message>
        <source>“%1” is kept silent: %2.</source>
        <translation>«%1» resta muta: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a photo.</source>
        <translation>%1 è una cartella, non una foto.</translation>
    </message>
    <message>
        <source>%1 is not a photo: it is not an ordinary file.</source>
        <translation>%1 non è una foto: non è un file normale.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 è vuoto.</translation>
    </message>
    <message>
        <source>%1 is too large (%2 MB): photos up to %3 MB can be used.</source>
        <translation>%1 è troppo grande (%2 MB): si possono usare foto fino a %3 MB.</translation>
    </message>
    <message>
        <source>%1 is too big a picture (%2 x %3 pixels): Twindle takes photos of up to %4 million pixels.</source>
        <translation>%1 è un’immagine troppo grande (%2 x %3 pixel): Twindle prende foto fino a %4 milioni di pixel.</translation>
    </message>
    <message>
        <source>%1 is too small (%2 x %3 pixels): a card needs at least %4 x %5.</source>
        <translation>%1 è troppo piccola (%2 x %3 pixel): una carta richiede almeno %4 x %5.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <source>Twindle may not read %1.</source>
        <translation>Twindle non ha il permesso di leggere %1.</translation>
    </message>
    <message>
        <source>Twindle could not read %1.</source>
        <translation>Twindle non è riuscito a leggere %1.</translation>
    </message>
    <message>
        <source>%1 is not a picture Twindle can read.</source>
        <translation>%1 non è un’immagine che Twindle sa leggere.</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short.</source>
        <translation>%1 è danneggiato o troncato.</translation>
    </message>
    <message>
        <source>The recording&apos;s sample rate (%1 Hz) is not one Twindle takes: it takes %2 to %3 Hz.</source>
        <translation>La frequenza di campionamento della registrazione (%1 Hz) non è tra quelle che Twindle accetta: accetta da %2 a %3 Hz.</translation>
    </message>
    <message>
        <source>Twindle could not convert the recording.</source>
        <translation>Twindle non è riuscito a convertire la registrazione.</translation>
    </message>
    <message>
        <source>The recording is silent.</source>
        <translation>La registrazione è muta.</translation>
    </message>
    <message>
        <source>The recording lasts %1 s without the silence around it: a name may last up to %2 s.</source>
        <translation>La registrazione dura %1 s senza il silenzio intorno: un nome può durare fino a %2 s.</translation>
    </message>
    <message>
        <source>There is no recording %1.</source>
        <translation>La registrazione %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is too large for a name (%2 MB).</source>
        <translation>%1 è troppo grande per un nome (%2 MB).</translation>
    </message>
    <message>
        <source>%1 is not a WAVE recording Twindle can read (8 or 16-bit PCM).</source>
        <translation>%1 non è una registrazione WAVE che Twindle sa leggere (PCM a 8 o 16 bit).</translation>
    </message>
    <message>
        <source>Twindle&apos;s part that reads photos and recordings (lib/twindle/twindle_media.so) is missing; installing Twindle again brings it back</source>
        <translation>Manca la parte di Twindle che legge foto e registrazioni (lib/twindle/twindle_media.so); reinstallare Twindle la ripristina</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>Impossibile controllare %1: %2.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyEditor</name>
    <message>
        <source>No photos yet: add some to make family cards.</source>
        <translation>Ancora nessuna foto: aggiungetene qualcuna per fare le carte di famiglia.</translation>
    </message>
    <message>
        <source>1 photo: games of up to 1 pair</source>
        <translation>1 foto: partite fino a 1 coppia</translation>
    </message>
    <message numerus="yes">
        <source>%n photos: games of up to %1 pairs</source>
        <translation>
            <numerusform>%n foto: partite fino a %1 coppie</numerusform>
            <numerusform>%n foto: partite fino a %1 coppie</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose the p&amp;hoto again...</source>
        <translation>Scegli di nuovo la &amp;foto...</translation>
    </message>
    <message>
        <source>Re&amp;move card</source>
        <translation>&amp;Togli la carta</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Foto di famiglia</translation>
    </message>
    <message>
        <source>Family cards</source>
        <translation>Carte di famiglia</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Voce:</translation>
    </message>
    <message>
        <source>&amp;Add photos...</source>
        <translation>&amp;Aggiungi foto...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Card &amp;words...</source>
        <translation>&amp;Parole delle carte...</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Aggiungi foto</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Foto (%1)</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Choose the photo of “%1”</source>
        <translation>Scegli la foto di «%1»</translation>
    </message>
    <message>
        <source>Remove card</source>
        <translation>Togli la carta</translation>
    </message>
    <message>
        <source>Remove “%1” from the family cards? The photo itself stays where it is.</source>
        <translation>Togliere «%1» dalle carte di famiglia? La foto stessa resta dov’è.</translation>
    </message>
</context>
<context>
    <name>twindle::family::VoicePanel</name>
    <message>
        <source>&amp;Play</source>
        <translation>Asc&amp;olta</translation>
    </message>
    <message>
        <source>&amp;Silent</source>
        <translation>&amp;Muta</translation>
    </message>
    <message>
        <source>Say the name after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Dite il nome dopo aver premuto; la registrazione si ferma dopo %1 secondi, o quando premete di nuovo.</translation>
    </message>
    <message>
        <source>Say the word after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Dite la parola dopo aver premuto; la registrazione si ferma dopo %1 secondi, o quando premete di nuovo.</translation>
    </message>
    <message>
        <source>&amp;Record again</source>
        <translation>&amp;Registra di nuovo</translation>
    </message>
    <message>
        <source>Recording needs Twindle&apos;s sound module, which is not installed.</source>
        <translation>Per registrare, Twindle ha bisogno del suo modulo audio, che non è installato.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Recording: say the name now (up to %1 seconds).</source>
        <translation>Registrazione: dite il nome adesso (fino a %1 secondi).</translation>
    </message>
    <message>
        <source>Recording: say the word now (up to %1 seconds).</source>
        <translation>Registrazione: dite la parola adesso (fino a %1 secondi).</translation>
    </message>
    <message>
        <source>&amp;Record the name</source>
        <translation>&amp;Registra il nome</translation>
    </message>
    <message>
        <source>&amp;Record the word</source>
        <translation>&amp;Registra la parola</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecorder</name>
    <message>
        <source>The cards&apos; words: %1</source>
        <translation>Le parole delle carte: %1</translation>
    </message>
    <message>
        <source>Pick a picture, a letter or a cheer, then record how you say it. In this language the cards say what you record here, in place of Twindle&apos;s own voice.</source>
        <translation>Scegliete una figura, una lettera o un applauso, poi registrate come lo dite voi. In questa lingua le carte dicono allora la vostra registrazione al posto della voce di Twindle.</translation>
    </message>
    <message>
        <source>The cards&apos; words</source>
        <translation>Le parole delle carte</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Ce l’hai fatta!</translation>
    </message>
    <message>
        <source>All done!</source>
        <translation>Abbiamo finito!</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>registrata</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (registrata)</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecordings</name>
    <message>
        <source>Twindle could not read the index of the recorded words in %1.</source>
        <translation>Twindle non è riuscito a leggere l’indice delle parole registrate in %1.</translation>
    </message>
    <message>
        <source>Line %1 of the recorded words&apos; index is skipped: %2</source>
        <translation>La riga %1 dell’indice delle parole registrate viene saltata: %2</translation>
    </message>
    <message>
        <source>The recorded word %1 (language %2) is skipped: its recording is missing or damaged.</source>
        <translation>La parola registrata %1 (lingua %2) viene saltata: la sua registrazione manca o è danneggiata.</translation>
    </message>
    <message>
        <source>The recording is not a word as Twindle makes it.</source>
        <translation>La registrazione non è una parola come la fa Twindle.</translation>
    </message>
    <message>
        <source>There are already %1 recorded words.</source>
        <translation>Ci sono già %1 parole registrate.</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the recorded words.</source>
        <translation>Twindle non è riuscito a creare la cartella %1 per le parole registrate.</translation>
    </message>
</context>
</TS>
