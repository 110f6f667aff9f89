<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Animals</name>
    <message>
        <source>Kitty</source>
        <translation>Gatito</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pingüino</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>León</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Jirafa</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Cebra</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Pato</translation>
    </message>
    <message>
        <source>Froggy</source>
        <translation>Ranita</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfín</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>Mariquita</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Mariposa</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Canguro</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Ciervo</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cerdito</translation>
    </message>
    <message>
        <source>Squirrel</source>
        <translation>Ardilla</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Águila</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Gallo</translation>
    </message>
    <message>
        <source>Mammoth</source>
        <translation>Mamut</translation>
    </message>
    <message>
        <source>Horsey</source>
        <translation>Caballito</translation>
    </message>
</context>
<context>
    <name>CardFaces</name>
    <message>
        <source>capital %1</source>
        <translation>%1 mayúscula</translation>
    </message>
    <message>
        <source>small %1</source>
        <translation>%1 minúscula</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>The board, no cards</source>
        <translation>El tablero, sin cartas</translation>
    </message>
    <message>
        <source>The board, %1 cards</source>
        <translation>El tablero, %1 cartas</translation>
    </message>
    <message>
        <source>The arrow keys go from card to card; Space turns a card over.</source>
        <translation>Las flechas van de carta en carta; Espacio da la vuelta a una carta.</translation>
    </message>
    <message>
        <source>card %1 of %2</source>
        <translation>carta %1 de %2</translation>
    </message>
    <message>
        <source>%1, found: %2</source>
        <translation>%1, encontrada: %2</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, boca abajo</translation>
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
        <translation>¡Twindle! Para los más pequeños vers. 1.0</translation>
    </message>
    <message>
        <source>Thank you to every small player who tried it first</source>
        <translation>Gracias a todos los pequeños jugadores que lo probaron primero</translation>
    </message>
    <message>
        <source>F11: full screen for little hands</source>
        <translation>F11: pantalla completa para manos pequeñas</translation>
    </message>
    <message>
        <source>(free software: GPL 3 or later; pictures: Twemoji)</source>
        <translation>(software libre: GPL 3 o posterior; imágenes: Twemoji)</translation>
    </message>
    <message>
        <source>Twindle is free software under the GNU General Public License, version 3 or any later version. Twemoji graphics: CC-BY 4.0. Fonts: Liberation, SIL Open Font License 1.1. See the README for the full credits.</source>
        <translation>Twindle es software libre bajo la Licencia Pública General de GNU, versión 3 o cualquier versión posterior. Gráficos de Twemoji: CC-BY 4.0. Tipos de letra: Liberation, SIL Open Font License 1.1. Todos los créditos están en el README.</translation>
    </message>
    <message>
        <source>The Twindle team, programmers</source>
        <translation>El equipo de Twindle, programadores</translation>
    </message>
</context>
<context>
    <name>twindle::AllDoneScreen</name>
    <message>
        <source>All done!</source>
        <translation>¡Se acabó por hoy!</translation>
    </message>
</context>
<context>
    <name>twindle::BoardView</name>
    <message>
        <source>You Did It!</source>
        <translation>¡Lo lograste!</translation>
    </message>
</context>
<context>
    <name>twindle::CardKind</name>
    <message>
        <source>Pictures</source>
        <translation>Dibujos</translation>
    </message>
    <message>
        <source>Letters: A and A</source>
        <translation>Letras: A y A</translation>
    </message>
    <message>
        <source>Letters: A and a</source>
        <translation>Letras: A y a</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Fotos de la familia</translation>
    </message>
    <message>
        <source>By ear: cards alike, told apart by their words</source>
        <translation>De oído: cartas iguales, distintas por sus palabras</translation>
    </message>
</context>
<context>
    <name>twindle::CommandLine</name>
    <message>
        <source>Play full screen, locked for a toddler (also F11 in the window). Without --kind or --pairs a setup screen asks the parent first.</source>
        <translation>Jugar a pantalla completa, bloqueado para un niño pequeño (también F11 en la ventana). Sin --kind ni --pairs, una pantalla de ajustes pregunta antes a los padres.</translation>
    </message>
    <message>
        <source>Cards in toddler mode say nothing.</source>
        <translation>Las cartas del modo para pequeños no dicen nada.</translation>
    </message>
    <message>
        <source>Make a family card of the photo, named with --name, its name said as in the WAVE file of --voice.</source>
        <translation>Hacer una carta de la familia con la foto, con el nombre de --name, y su nombre dicho como en el archivo WAVE de --voice.</translation>
    </message>
    <message>
        <source>The name of the family card to add.</source>
        <translation>El nombre de la carta de la familia que se añade.</translation>
    </message>
    <message>
        <source>The family card&apos;s name said, a WAVE file.</source>
        <translation>El nombre dicho de la carta de la familia, un archivo WAVE.</translation>
    </message>
    <message>
        <source>List the family cards, one a line, and end.</source>
        <translation>Mostrar las cartas de la familia, una por línea, y terminar.</translation>
    </message>
    <message>
        <source>Remove the family card of that name.</source>
        <translation>Quitar la carta de la familia con ese nombre.</translation>
    </message>
    <message>
        <source>Print where the cards of every game stand, in pixels and in twips, and end.</source>
        <translation>Mostrar dónde están las cartas de cada partida, en píxeles y en twips, y terminar.</translation>
    </message>
    <message>
        <source>options that choose toddler mode&apos;s game, such as --kind and --pairs, need --toddler</source>
        <translation>las opciones que eligen la partida del modo para pequeños, como --kind y --pairs, necesitan --toddler</translation>
    </message>
    <message>
        <source>A pairs card game for toddlers.</source>
        <translation>Un juego de parejas para los más pequeños.</translation>
    </message>
    <message>
        <source>--%1 %2: give %3 to %4%5</source>
        <translation>--%1 %2: indica de %3 a %4%5</translation>
    </message>
    <message>
        <source>, or %1 for no limit</source>
        <translation>, o %1 para sin límite</translation>
    </message>
    <message>
        <source>see twindle --help</source>
        <translation>consulta twindle --help</translation>
    </message>
</context>
<context>
    <name>twindle::GateOverlay</name>
    <message>
        <source>Grown-ups: to leave full screen, type %1 in digits, then press Enter.%2</source>
        <translation>Adultos: para salir de la pantalla completa, escriban %1 en cifras y pulsen Intro.%2</translation>
    </message>
</context>
<context>
    <name>twindle::GatePad</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Grown-ups: to leave full screen, tap %1 in digits, then OK.%2</source>
        <translation>Adultos: para salir de la pantalla completa, toquen %1 en cifras y luego Aceptar.%2</translation>
    </message>
</context>
<context>
    <name>twindle::LanguageOptions</name>
    <message>
        <source>The windows and the parent gate in this language for this run: %1. Without it, the language chosen on the setup screen, else the system&apos;s.</source>
        <translation>Las ventanas y el bloqueo para adultos en este idioma, solo esta vez: %1. Sin esta opción, el idioma elegido en la pantalla de ajustes o, si no, el del sistema.</translation>
    </message>
    <message>
        <source>The cards&apos; words in this language for this run: %1. A word with no voice in it, built in or recorded, is silent.</source>
        <translation>Las palabras de las cartas en este idioma, solo esta vez: %1. Una palabra sin voz en este idioma, incorporada o grabada, queda en silencio.</translation>
    </message>
    <message>
        <source>--%1 %2: Twindle has no such language; give one of %3</source>
        <translation>--%1 %2: Twindle no tiene ese idioma; indica uno de %3</translation>
    </message>
</context>
<context>
    <name>twindle::LanguagePage</name>
    <message>
        <source>The system&apos;s: %1</source>
        <translation>El del sistema: %1</translation>
    </message>
    <message>
        <source>The same as the screen&apos;s</source>
        <translation>El mismo que la pantalla</translation>
    </message>
    <message>
        <source>Screen and gate:</source>
        <translation>Pantalla y bloqueo:</translation>
    </message>
    <message>
        <source>Cards&apos; words:</source>
        <translation>Palabras de las cartas:</translation>
    </message>
    <message>
        <source>A new language shows once you press Start.</source>
        <translation>El nuevo idioma aparece en cuanto pulse Empezar.</translation>
    </message>
    <message>
        <source>In this language (%1) the cards say their words in Twindle&apos;s own voice, or in yours where you recorded them (Family cards…, then Card words…).</source>
        <translation>En este idioma (%1) las cartas dicen sus palabras con la voz de Twindle, o con la suya donde las haya grabado (Cartas de la familia…, luego Palabras de las cartas…).</translation>
    </message>
    <message>
        <source>Twindle has no voice of its own in this language (%1): the cards say only the words you record (Family cards…, then Card words…) and are silent otherwise.</source>
        <translation>Twindle no tiene voz propia en este idioma (%1): las cartas solo dicen las palabras que usted grabe (Cartas de la familia…, luego Palabras de las cartas…) y, si no, se quedan en silencio.</translation>
    </message>
</context>
<context>
    <name>twindle::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Empezar</translation>
    </message>
</context>
<context>
    <name>twindle::OptionsDialog</name>
    <message>
        <source> Options</source>
        <translation> Opciones</translation>
    </message>
    <message>
        <source>Cards disappear</source>
        <translation>Las cartas desaparecen</translation>
    </message>
    <message>
        <source>Matching Pair sound</source>
        <translation>Sonido al encontrar pareja</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>twindle::PlayerList</name>
    <message>
        <source>Just me</source>
        <translation>Solo yo</translation>
    </message>
    <message numerus="yes">
        <source>%n players taking turns</source>
        <translation>
            <numerusform>%n jugador por turnos</numerusform>
            <numerusform>%n jugadores por turnos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>twindle::PlayersBand</name>
    <message>
        <source>Playing together</source>
        <translation>Jugamos juntos</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Le toca a %1</translation>
    </message>
</context>
<context>
    <name>twindle::PlayersPage</name>
    <message>
        <source>Players:</source>
        <translation>Jugadores:</translation>
    </message>
    <message>
        <source>A friendly animal:</source>
        <translation>Un animal amigo:</translation>
    </message>
    <message>
        <source>Its memory:</source>
        <translation>Su memoria:</translation>
    </message>
    <message>
        <source>Play together as one team: one colour, no turns</source>
        <translation>Jugar juntos como un equipo: un color, sin turnos</translation>
    </message>
    <message>
        <source>Each player has a colour. A band of that colour around the board shows whose turn it is, and their name is said. A pair found, the same player goes again; a miss, the next player. The pairs found collect by the finder&apos;s picture.</source>
        <translation>Cada jugador tiene un color. Una banda de ese color alrededor del tablero muestra a quién le toca, y se dice su nombre. Si encuentra una pareja, vuelve a jugar el mismo; si falla, le toca al siguiente. Las parejas encontradas se juntan junto a la imagen de quien las encontró.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Nadie</translation>
    </message>
    <message>
        <source>%1 plays too</source>
        <translation>%1 también juega</translation>
    </message>
    <message>
        <source>forgets a lot</source>
        <translation>olvida mucho</translation>
    </message>
    <message>
        <source>forgets a little</source>
        <translation>olvida un poco</translation>
    </message>
    <message>
        <source>never forgets</source>
        <translation>nunca olvida</translation>
    </message>
</context>
<context>
    <name>twindle::RestartDialog</name>
    <message>
        <source>Start New Game</source>
        <translation>Empezar partida nueva</translation>
    </message>
    <message>
        <source>What kind of cards do you want to match?</source>
        <translation>¿Con qué cartas quieres jugar?</translation>
    </message>
    <message>
        <source>How many cards do you want to match?</source>
        <translation>¿Con cuántas cartas quieres jugar?</translation>
    </message>
    <message>
        <source>Start new Game?</source>
        <translation>¿Empezar partida nueva?</translation>
    </message>
    <message>
        <source>You have a game in progress!
Do you want to restart?</source>
        <translation>¡Hay una partida en juego!
¿Quieres empezar de nuevo?</translation>
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
        <translation>Modo para pequeños</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The game then fills the screen and stays there. To leave it, press Escape and type the number it asks for; on a touch screen, hold a finger on the ring in the top right corner for three seconds and tap the number.</source>
        <translation>El juego ocupa entonces toda la pantalla y se queda ahí. Para salir, pulse Escape y escriba el número que pide; en una pantalla táctil, mantenga un dedo tres segundos sobre el círculo de arriba a la derecha y toque el número.</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Cartas:</translation>
    </message>
    <message>
        <source>Family cards…</source>
        <translation>Cartas de la familia…</translation>
    </message>
    <message>
        <source>Pairs to start with:</source>
        <translation>Parejas al empezar:</translation>
    </message>
    <message>
        <source>Grow with the child: a pair more after a good game</source>
        <translation>Crecer con el niño: una pareja más tras una buena partida</translation>
    </message>
    <message>
        <source>The cards say their names</source>
        <translation>Las cartas dicen su nombre</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Voz:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volumen:</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Tiempo de juego:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>voz</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>sonidos</translation>
    </message>
    <message numerus="yes">
        <source>Family photos: up to %n pairs</source>
        <translation>
            <numerusform>Fotos de la familia: hasta %n pareja</numerusform>
            <numerusform>Fotos de la familia: hasta %n parejas</numerusform>
        </translation>
    </message>
    <message>
        <source>Family photos: make two cards or more first</source>
        <translation>Fotos de la familia: primero haga dos cartas o más</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Pulsadores</translation>
    </message>
    <message>
        <source>These cards are told apart by the words they say: switch the voice on.</source>
        <translation>Estas cartas se distinguen por las palabras que dicen: active la voz.</translation>
    </message>
</context>
<context>
    <name>twindle::SwitchPage</name>
    <message>
        <source>None: the keys, the mouse and the fingers</source>
        <translation>Ninguno: las teclas, el ratón y los dedos</translation>
    </message>
    <message>
        <source>One: the focus steps on by itself, the switch turns the card</source>
        <translation>Uno: el foco avanza solo, el pulsador da la vuelta a la carta</translation>
    </message>
    <message>
        <source>Two: switch 1 steps on, switch 2 turns the card</source>
        <translation>Dos: el pulsador 1 avanza, el pulsador 2 da la vuelta a la carta</translation>
    </message>
    <message>
        <source>Switches:</source>
        <translation>Pulsadores:</translation>
    </message>
    <message>
        <source>Step every:</source>
        <translation>Avanzar cada:</translation>
    </message>
    <message>
        <source>Switch 1 sends:</source>
        <translation>El pulsador 1 envía:</translation>
    </message>
    <message>
        <source>The key switch 1 sends</source>
        <translation>La tecla que envía el pulsador 1</translation>
    </message>
    <message>
        <source>Switch 2 sends:</source>
        <translation>El pulsador 2 envía:</translation>
    </message>
    <message>
        <source>The key switch 2 sends</source>
        <translation>La tecla que envía el pulsador 2</translation>
    </message>
    <message>
        <source>Ignore a press within:</source>
        <translation>Ignorar una pulsación en:</translation>
    </message>
    <message>
        <source>Learn…</source>
        <translation>Aprender…</translation>
    </message>
    <message>
        <source>Then press the switch</source>
        <translation>Luego pulse el pulsador</translation>
    </message>
    <message>
        <source>press the switch now</source>
        <translation>pulse el pulsador ahora</translation>
    </message>
    <message>
        <source>Press the switch now.</source>
        <translation>Pulse el pulsador ahora.</translation>
    </message>
    <message>
        <source>Escape is the grown-ups&apos; way out: it cannot be a switch.</source>
        <translation>Escape es la salida de los mayores: no puede ser un pulsador.</translation>
    </message>
    <message>
        <source>That key cannot be a switch: press Learn and another.</source>
        <translation>Esa tecla no puede ser un pulsador: pulse Aprender y otra.</translation>
    </message>
    <message>
        <source>The other switch sends %1 already.</source>
        <translation>El otro pulsador ya envía %1.</translation>
    </message>
    <message>
        <source>Switch %1 sends %2.</source>
        <translation>El pulsador %1 envía %2.</translation>
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
        <translation>Las cartas del modo para pequeños: %1.</translation>
    </message>
    <message>
        <source>Toddler mode starts with this many pairs, %1 to %2.</source>
        <translation>El modo para pequeños empieza con este número de parejas, de %1 a %2.</translation>
    </message>
    <message>
        <source>The number of pairs stays; without it, it grows with the child.</source>
        <translation>El número de parejas no cambia; sin esta opción, crece con el niño.</translation>
    </message>
    <message>
        <source>Play time in toddler mode, %1 to %2 minutes; %3 for no limit.</source>
        <translation>Tiempo de juego del modo para pequeños, de %1 a %2 minutos; %3 para sin límite.</translation>
    </message>
    <message>
        <source>--kind family: %1 pairs need %1 family cards, and there are %2 (add them with --add-family-card or on the setup screen)</source>
        <translation>--kind family: %1 parejas necesitan %1 cartas de la familia, y hay %2 (añádalas con --add-family-card o en la pantalla de ajustes)</translation>
    </message>
    <message>
        <source>--kind %1: not a kind of cards (%2)</source>
        <translation>--kind %1: no es una clase de cartas (%2)</translation>
    </message>
</context>
<context>
    <name>twindle::VoiceRecorder</name>
    <message>
        <source>There is no microphone.</source>
        <translation>No hay micrófono.</translation>
    </message>
    <message>
        <source>The microphone does not record in a way Twindle can use.</source>
        <translation>El micrófono no graba de una forma que Twindle pueda usar.</translation>
    </message>
    <message>
        <source>The microphone could not be started.</source>
        <translation>No se pudo poner en marcha el micrófono.</translation>
    </message>
</context>
<context>
    <name>twindle::family::CropView</name>
    <message>
        <source>Drag the frame, or use the arrow keys, to choose what the card shows; the mouse wheel or + and - make it larger or smaller.</source>
        <translation>Arrastre el marco, o use las flechas, para elegir lo que muestra la carta; la rueda del ratón o + y - lo agrandan o lo achican.</translation>
    </message>
    <message>
        <source>What the card shows</source>
        <translation>Lo que muestra la carta</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyCommands</name>
    <message>
        <source>%1 family cards, games of up to %2 pairs</source>
        <translation>Cartas de la familia: %1, partidas de hasta %2 parejas</translation>
    </message>
    <message>
        <source>A new card needs a name: --name NAME.</source>
        <translation>Una carta nueva necesita un nombre: --name NOMBRE.</translation>
    </message>
    <message>
        <source>Added “%1”: %2.</source>
        <translation>«%1» añadida: %2.</translation>
    </message>
    <message>
        <source>Removed “%1”: %2.</source>
        <translation>«%1» quitada: %2.</translation>
    </message>
    <message>
        <source>Give one of --add-family-card PHOTO --name NAME [--voice WAV], --list-family-cards or --remove-family-card NAME.</source>
        <translation>Indique una de estas: --add-family-card FOTO --name NOMBRE [--voice WAV], --list-family-cards o --remove-family-card NOMBRE.</translation>
    </message>
    <message>
        <source>--name and --voice go with --add-family-card.</source>
        <translation>--name y --voice van con --add-family-card.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyDeck</name>
    <message>
        <source>There is already a card named “%1”.</source>
        <translation>Ya hay una carta llamada «%1».</translation>
    </message>
    <message>
        <source>There is no card named “%1”.</source>
        <translation>No hay ninguna carta llamada «%1».</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the family cards.</source>
        <translation>Twindle no pudo crear la carpeta %1 para las cartas de la familia.</translation>
    </message>
    <message>
        <source> Twindle leaves the family cards as they are.</source>
        <translation> Twindle deja las cartas de la familia como están.</translation>
    </message>
    <message>
        <source>Twindle could not make the card&apos;s picture from the photo.</source>
        <translation>Twindle no pudo hacer la imagen de la carta a partir de la foto.</translation>
    </message>
    <message>
        <source>The recording is not a card&apos;s voice as Twindle makes it.</source>
        <translation>La grabación no es una voz de carta como las que hace Twindle.</translation>
    </message>
    <message>
        <source>The deck is full: it holds %1 cards.</source>
        <translation>La baraja está llena: tiene %1 cartas.</translation>
    </message>
    <message>
        <source>Twindle could not save the family cards: %1.</source>
        <translation>Twindle no pudo guardar las cartas de la familia: %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the system did not say why</source>
        <translation>el sistema no dijo por qué</translation>
    </message>
    <message>
        <source>Another Twindle is changing the family cards; try again in a moment.</source>
        <translation>Otro Twindle está cambiando las cartas de la familia; inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index: %1.</source>
        <translation>Twindle no pudo leer el índice de las cartas de la familia: %1.</translation>
    </message>
    <message>
        <source>The family cards&apos; index is too large to be one Twindle wrote.</source>
        <translation>El índice de las cartas de la familia es demasiado grande para ser de Twindle.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index.</source>
        <translation>Twindle no pudo leer el índice de las cartas de la familia.</translation>
    </message>
    <message>
        <source>its picture is missing</source>
        <translation>falta su imagen</translation>
    </message>
    <message>
        <source>its picture is damaged</source>
        <translation>su imagen está dañada</translation>
    </message>
    <message>
        <source>its recording is damaged</source>
        <translation>su grabación está dañada</translation>
    </message>
    <message>
        <source>its recording is missing</source>
        <translation>falta su grabación</translation>
    </message>
    <message>
        <source>Line %1 of the family cards&apos; index is skipped: %2</source>
        <translation>Se salta la línea %1 del índice de las cartas de la familia: %2</translation>
    </message>
    <message>
        <source>an earlier card has the same name</source>
        <translation>una carta anterior tiene el mismo nombre</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>«%1» se deja fuera: %2.</translation>
    </message>
    <message>
        <source>“%1” is kept silent: %2.</source>
        <translation>«%1» queda en silencio: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a photo.</source>
        <translation>%1 es una carpeta, no una foto.</translation>
    </message>
    <message>
        <source>%1 is not a photo: it is not an ordinary file.</source>
        <translation>%1 no es una foto: no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vacío.</translation>
    </message>
    <message>
        <source>%1 is too large (%2 MB): photos up to %3 MB can be used.</source>
        <translation>%1 es demasiado grande (%2 MB): se pueden usar fotos de hasta %3 MB.</translation>
    </message>
    <message>
        <source>%1 is too big a picture (%2 x %3 pixels): Twindle takes photos of up to %4 million pixels.</source>
        <translation>%1 es una imagen demasiado grande (%2 x %3 píxeles): Twindle acepta fotos de hasta %4 millones de píxeles.</translation>
    </message>
    <message>
        <source>%1 is too small (%2 x %3 pixels): a card needs at least %4 x %5.</source>
        <translation>%1 es demasiado pequeña (%2 x %3 píxeles): una carta necesita al menos %4 x %5.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>No existe el archivo %1.</translation>
    </message>
    <message>
        <source>Twindle may not read %1.</source>
        <translation>Twindle no tiene permiso para leer %1.</translation>
    </message>
    <message>
        <source>Twindle could not read %1.</source>
        <translation>Twindle no pudo leer %1.</translation>
    </message>
    <message>
        <source>%1 is not a picture Twindle can read.</source>
        <translation>%1 no es una imagen que Twindle sepa leer.</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short.</source>
        <translation>%1 está dañado o cortado.</translation>
    </message>
    <message>
        <source>The recording&apos;s sample rate (%1 Hz) is not one Twindle takes: it takes %2 to %3 Hz.</source>
        <translation>La frecuencia de muestreo de la grabación (%1 Hz) no es una que Twindle acepte: acepta de %2 a %3 Hz.</translation>
    </message>
    <message>
        <source>Twindle could not convert the recording.</source>
        <translation>Twindle no pudo convertir la grabación.</translation>
    </message>
    <message>
        <source>The recording is silent.</source>
        <translation>La grabación está en silencio.</translation>
    </message>
    <message>
        <source>The recording lasts %1 s without the silence around it: a name may last up to %2 s.</source>
        <translation>La grabación dura %1 s sin el silencio de alrededor: un nombre puede durar hasta %2 s.</translation>
    </message>
    <message>
        <source>There is no recording %1.</source>
        <translation>No existe la grabación %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a name (%2 MB).</source>
        <translation>%1 es demasiado grande para un nombre (%2 MB).</translation>
    </message>
    <message>
        <source>%1 is not a WAVE recording Twindle can read (8 or 16-bit PCM).</source>
        <translation>%1 no es una grabación WAVE que Twindle sepa leer (PCM de 8 o 16 bits).</translation>
    </message>
    <message>
        <source>Twindle&apos;s part that reads photos and recordings (lib/twindle/twindle_media.so) is missing; installing Twindle again brings it back</source>
        <translation>Falta la parte de Twindle que lee las fotos y las grabaciones (lib/twindle/twindle_media.so); instalar Twindle de nuevo la recupera</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>No se puede comprobar %1: %2.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyEditor</name>
    <message>
        <source>No photos yet: add some to make family cards.</source>
        <translation>Todavía no hay fotos: añada algunas para hacer cartas de la familia.</translation>
    </message>
    <message>
        <source>1 photo: games of up to 1 pair</source>
        <translation>1 foto: partidas de hasta 1 pareja</translation>
    </message>
    <message numerus="yes">
        <source>%n photos: games of up to %1 pairs</source>
        <translation>
            <numerusform>%n foto: partidas de hasta %1 parejas</numerusform>
            <numerusform>%n fotos: partidas de hasta %1 parejas</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose the p&amp;hoto again...</source>
        <translation>Elegir la &amp;foto otra vez...</translation>
    </message>
    <message>
        <source>Re&amp;move card</source>
        <translation>&amp;Quitar la carta</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Fotos de la familia</translation>
    </message>
    <message>
        <source>Family cards</source>
        <translation>Cartas de la familia</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Voz:</translation>
    </message>
    <message>
        <source>&amp;Add photos...</source>
        <translation>&amp;Añadir fotos...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Card &amp;words...</source>
        <translation>&amp;Palabras de las cartas...</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Añadir fotos</translation>
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
        <translation>Elegir la foto de «%1»</translation>
    </message>
    <message>
        <source>Remove card</source>
        <translation>Quitar la carta</translation>
    </message>
    <message>
        <source>Remove “%1” from the family cards? The photo itself stays where it is.</source>
        <translation>¿Quitar «%1» de las cartas de la familia? La foto en sí se queda donde está.</translation>
    </message>
</context>
<context>
    <name>twindle::family::VoicePanel</name>
    <message>
        <source>&amp;Play</source>
        <translation>Esc&amp;uchar</translation>
    </message>
    <message>
        <source>&amp;Silent</source>
        <translation>&amp;Silencio</translation>
    </message>
    <message>
        <source>Say the name after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Diga el nombre después de pulsar; la grabación se detiene a los %1 segundos o cuando vuelva a pulsar.</translation>
    </message>
    <message>
        <source>Say the word after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Diga la palabra después de pulsar; la grabación se detiene a los %1 segundos o cuando vuelva a pulsar.</translation>
    </message>
    <message>
        <source>&amp;Record again</source>
        <translation>&amp;Grabar otra vez</translation>
    </message>
    <message>
        <source>Recording needs Twindle&apos;s sound module, which is not installed.</source>
        <translation>Para grabar, Twindle necesita su módulo de sonido, que no está instalado.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Recording: say the name now (up to %1 seconds).</source>
        <translation>Grabando: diga el nombre ahora (hasta %1 segundos).</translation>
    </message>
    <message>
        <source>Recording: say the word now (up to %1 seconds).</source>
        <translation>Grabando: diga la palabra ahora (hasta %1 segundos).</translation>
    </message>
    <message>
        <source>&amp;Record the name</source>
        <translation>&amp;Grabar el nombre</translation>
    </message>
    <message>
        <source>&amp;Record the word</source>
        <translation>&amp;Grabar la palabra</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecorder</name>
    <message>
        <source>The cards&apos; words: %1</source>
        <translation>Las palabras de las cartas: %1</translation>
    </message>
    <message>
        <source>Pick a picture, a letter or a cheer, then record how you say it. In this language the cards say what you record here, in place of Twindle&apos;s own voice.</source>
        <translation>Elija un dibujo, una letra o una felicitación y grabe cómo lo dice usted. En este idioma las cartas dicen entonces su grabación en lugar de la voz de Twindle.</translation>
    </message>
    <message>
        <source>The cards&apos; words</source>
        <translation>Las palabras de las cartas</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>¡Lo lograste!</translation>
    </message>
    <message>
        <source>All done!</source>
        <translation>¡Se acabó por hoy!</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>grabada</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (grabada)</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecordings</name>
    <message>
        <source>Twindle could not read the index of the recorded words in %1.</source>
        <translation>Twindle no pudo leer el índice de las palabras grabadas en %1.</translation>
    </message>
    <message>
        <source>Line %1 of the recorded words&apos; index is skipped: %2</source>
        <translation>Se salta la línea %1 del índice de las palabras grabadas: %2</translation>
    </message>
    <message>
        <source>The recorded word %1 (language %2) is skipped: its recording is missing or damaged.</source>
        <translation>Se salta la palabra grabada %1 (idioma %2): falta su grabación o está dañada.</translation>
    </message>
    <message>
        <source>The recording is not a word as Twindle makes it.</source>
        <translation>La grabación no es una palabra como las que hace Twindle.</translation>
    </message>
    <message>
        <source>There are already %1 recorded words.</source>
        <translation>Ya hay %1 palabras grabadas.</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the recorded words.</source>
        <translation>Twindle no pudo crear la carpeta %1 para las palabras grabadas.</translation>
    </message>
</context>
</TS>
