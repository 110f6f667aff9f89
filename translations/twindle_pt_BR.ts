<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Animals</name>
    <message>
        <source>Kitty</source>
        <translation>Gatinho</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Pinguim</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Elefante</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Girafa</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Pato</translation>
    </message>
    <message>
        <source>Froggy</source>
        <translation>Sapinho</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Golfinho</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>Joaninha</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Borboleta</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Canguru</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Veado</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Porquinho</translation>
    </message>
    <message>
        <source>Squirrel</source>
        <translation>Esquilo</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Águia</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Galo</translation>
    </message>
    <message>
        <source>Mammoth</source>
        <translation>Mamute</translation>
    </message>
    <message>
        <source>Horsey</source>
        <translation>Cavalinho</translation>
    </message>
</context>
<context>
    <name>CardFaces</name>
    <message>
        <source>capital %1</source>
        <translation>%1 maiúsculo</translation>
    </message>
    <message>
        <source>small %1</source>
        <translation>%1 minúsculo</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>The board, no cards</source>
        <translation>O tabuleiro, sem cartas</translation>
    </message>
    <message>
        <source>The board, %1 cards</source>
        <translation>O tabuleiro, %1 cartas</translation>
    </message>
    <message>
        <source>The arrow keys go from card to card; Space turns a card over.</source>
        <translation>As setas vão de carta em carta; Espaço vira uma carta.</translation>
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
        <translation>%1, virada para baixo</translation>
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
        <translation>Twindle! Para os pequeninos vers. 1.0</translation>
    </message>
    <message>
        <source>Thank you to every small player who tried it first</source>
        <translation>Obrigado a todos os pequenos jogadores que testaram primeiro</translation>
    </message>
    <message>
        <source>F11: full screen for little hands</source>
        <translation>F11: tela cheia para mãos pequenas</translation>
    </message>
    <message>
        <source>(free software: GPL 3 or later; pictures: Twemoji)</source>
        <translation>(software livre: GPL 3 ou posterior; imagens: Twemoji)</translation>
    </message>
    <message>
        <source>Twindle is free software under the GNU General Public License, version 3 or any later version. Twemoji graphics: CC-BY 4.0. Fonts: Liberation, SIL Open Font License 1.1. See the README for the full credits.</source>
        <translation>Twindle é software livre sob a Licença Pública Geral GNU, versão 3 ou qualquer versão posterior. Gráficos do Twemoji: CC-BY 4.0. Fontes: Liberation, SIL Open Font License 1.1. Todos os créditos estão no README.</translation>
    </message>
    <message>
        <source>The Twindle team, programmers</source>
        <translation>A equipe do Twindle, programadores</translation>
    </message>
</context>
<context>
    <name>twindle::AllDoneScreen</name>
    <message>
        <source>All done!</source>
        <translation>Acabou por hoje!</translation>
    </message>
</context>
<context>
    <name>twindle::BoardView</name>
    <message>
        <source>You Did It!</source>
        <translation>Você conseguiu!</translation>
    </message>
</context>
<context>
    <name>twindle::CardKind</name>
    <message>
        <source>Pictures</source>
        <translation>Figuras</translation>
    </message>
    <message>
        <source>Letters: A and A</source>
        <translation>Letras: A e A</translation>
    </message>
    <message>
        <source>Letters: A and a</source>
        <translation>Letras: A e a</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Fotos da família</translation>
    </message>
    <message>
        <source>By ear: cards alike, told apart by their words</source>
        <translation>De ouvido: cartas iguais, diferenciadas pelas palavras</translation>
    </message>
</context>
<context>
    <name>twindle::CommandLine</name>
    <message>
        <source>Play full screen, locked for a toddler (also F11 in the window). Without --kind or --pairs a setup screen asks the parent first.</source>
        <translation>Jogar em tela cheia, travado para uma criança pequena (também F11 na janela). Sem --kind ou --pairs, uma tela de ajustes pergunta primeiro aos pais.</translation>
    </message>
    <message>
        <source>Cards in toddler mode say nothing.</source>
        <translation>As cartas do modo para pequeninos não falam nada.</translation>
    </message>
    <message>
        <source>Make a family card of the photo, named with --name, its name said as in the WAVE file of --voice.</source>
        <translation>Fazer uma carta da família com a foto, com o nome de --name, e o nome falado como no arquivo WAVE de --voice.</translation>
    </message>
    <message>
        <source>The name of the family card to add.</source>
        <translation>O nome da carta da família a adicionar.</translation>
    </message>
    <message>
        <source>The family card&apos;s name said, a WAVE file.</source>
        <translation>O nome falado da carta da família, um arquivo WAVE.</translation>
    </message>
    <message>
        <source>List the family cards, one a line, and end.</source>
        <translation>Listar as cartas da família, uma por linha, e terminar.</translation>
    </message>
    <message>
        <source>Remove the family card of that name.</source>
        <translation>Remover a carta da família com esse nome.</translation>
    </message>
    <message>
        <source>Print where the cards of every game stand, in pixels and in twips, and end.</source>
        <translation>Mostrar onde ficam as cartas de cada partida, em pixels e em twips, e terminar.</translation>
    </message>
    <message>
        <source>options that choose toddler mode&apos;s game, such as --kind and --pairs, need --toddler</source>
        <translation>as opções que escolhem a partida do modo para pequeninos, como --kind e --pairs, precisam de --toddler</translation>
    </message>
    <message>
        <source>A pairs card game for toddlers.</source>
        <translation>Um jogo de pares para os pequeninos.</translation>
    </message>
    <message>
        <source>--%1 %2: give %3 to %4%5</source>
        <translation>--%1 %2: informe de %3 a %4%5</translation>
    </message>
    <message>
        <source>, or %1 for no limit</source>
        <translation>, ou %1 para sem limite</translation>
    </message>
    <message>
        <source>see twindle --help</source>
        <translation>veja twindle --help</translation>
    </message>
</context>
<context>
    <name>twindle::GateOverlay</name>
    <message>
        <source>Grown-ups: to leave full screen, type %1 in digits, then press Enter.%2</source>
        <translation>Adultos: para sair da tela cheia, digitem %1 em algarismos e depois pressionem Enter.%2</translation>
    </message>
</context>
<context>
    <name>twindle::GatePad</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Grown-ups: to leave full screen, tap %1 in digits, then OK.%2</source>
        <translation>Adultos: para sair da tela cheia, toquem %1 em algarismos e depois OK.%2</translation>
    </message>
</context>
<context>
    <name>twindle::LanguageOptions</name>
    <message>
        <source>The windows and the parent gate in this language for this run: %1. Without it, the language chosen on the setup screen, else the system&apos;s.</source>
        <translation>As janelas e a trava para adultos neste idioma, só desta vez: %1. Sem esta opção, o idioma escolhido na tela de ajustes ou, se não houver, o do sistema.</translation>
    </message>
    <message>
        <source>The cards&apos; words in this language for this run: %1. A word with no voice in it, built in or recorded, is silent.</source>
        <translation>As palavras das cartas neste idioma, só desta vez: %1. Uma palavra sem voz neste idioma, embutida ou gravada, fica em silêncio.</translation>
    </message>
    <message>
        <source>--%1 %2: Twindle has no such language; give one of %3</source>
        <translation>--%1 %2: o Twindle não tem esse idioma; informe um de %3</translation>
    </message>
</context>
<context>
    <name>twindle::LanguagePage</name>
    <message>
        <source>The system&apos;s: %1</source>
        <translation>O do sistema: %1</translation>
    </message>
    <message>
        <source>The same as the screen&apos;s</source>
        <translation>O mesmo da tela</translation>
    </message>
    <message>
        <source>Screen and gate:</source>
        <translation>Tela e trava:</translation>
    </message>
    <message>
        <source>Cards&apos; words:</source>
        <translation>Palavras das cartas:</translation>
    </message>
    <message>
        <source>A new language shows once you press Start.</source>
        <translation>O novo idioma aparece assim que você pressionar Começar.</translation>
    </message>
    <message>
        <source>In this language (%1) the cards say their words in Twindle&apos;s own voice, or in yours where you recorded them (Family cards…, then Card words…).</source>
        <translation>Neste idioma (%1) as cartas falam suas palavras com a voz do Twindle, ou com a sua onde você as gravou (Cartas da família…, depois Palavras das cartas…).</translation>
    </message>
    <message>
        <source>Twindle has no voice of its own in this language (%1): the cards say only the words you record (Family cards…, then Card words…) and are silent otherwise.</source>
        <translation>O Twindle não tem voz própria neste idioma (%1): as cartas só falam as palavras que você gravar (Cartas da família…, depois Palavras das cartas…) e, fora isso, ficam em silêncio.</translation>
    </message>
</context>
<context>
    <name>twindle::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Começar</translation>
    </message>
</context>
<context>
    <name>twindle::OptionsDialog</name>
    <message>
        <source> Options</source>
        <translation> Opções</translation>
    </message>
    <message>
        <source>Cards disappear</source>
        <translation>As cartas desaparecem</translation>
    </message>
    <message>
        <source>Matching Pair sound</source>
        <translation>Som a cada par</translation>
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
        <translation>Só eu</translation>
    </message>
    <message numerus="yes">
        <source>%n players taking turns</source>
        <translation>
            <numerusform>%n jogador revezando</numerusform>
            <numerusform>%n jogadores revezando</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>twindle::PlayersBand</name>
    <message>
        <source>Playing together</source>
        <translation>Jogando juntos</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>É a vez de %1</translation>
    </message>
</context>
<context>
    <name>twindle::PlayersPage</name>
    <message>
        <source>Players:</source>
        <translation>Jogadores:</translation>
    </message>
    <message>
        <source>A friendly animal:</source>
        <translation>Um bichinho amigo:</translation>
    </message>
    <message>
        <source>Its memory:</source>
        <translation>A memória dele:</translation>
    </message>
    <message>
        <source>Play together as one team: one colour, no turns</source>
        <translation>Jogar juntos como um time: uma cor, sem turnos</translation>
    </message>
    <message>
        <source>Each player has a colour. A band of that colour around the board shows whose turn it is, and their name is said. A pair found, the same player goes again; a miss, the next player. The pairs found collect by the finder&apos;s picture.</source>
        <translation>Cada jogador tem uma cor. Uma faixa dessa cor em volta do jogo mostra de quem é a vez, e o nome é dito. Achou um par, o mesmo jogador joga de novo; errou, é a vez do próximo. Os pares achados ficam junto à imagem de quem os achou.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Ninguém</translation>
    </message>
    <message>
        <source>%1 plays too</source>
        <translation>%1 também joga</translation>
    </message>
    <message>
        <source>forgets a lot</source>
        <translation>esquece muito</translation>
    </message>
    <message>
        <source>forgets a little</source>
        <translation>esquece um pouco</translation>
    </message>
    <message>
        <source>never forgets</source>
        <translation>nunca esquece</translation>
    </message>
</context>
<context>
    <name>twindle::RestartDialog</name>
    <message>
        <source>Start New Game</source>
        <translation>Começar novo jogo</translation>
    </message>
    <message>
        <source>What kind of cards do you want to match?</source>
        <translation>Com que cartas você quer jogar?</translation>
    </message>
    <message>
        <source>How many cards do you want to match?</source>
        <translation>Com quantas cartas você quer jogar?</translation>
    </message>
    <message>
        <source>Start new Game?</source>
        <translation>Começar novo jogo?</translation>
    </message>
    <message>
        <source>You have a game in progress!
Do you want to restart?</source>
        <translation>Tem um jogo em andamento!
Você quer recomeçar?</translation>
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
        <translation>Modo para pequeninos</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The game then fills the screen and stays there. To leave it, press Escape and type the number it asks for; on a touch screen, hold a finger on the ring in the top right corner for three seconds and tap the number.</source>
        <translation>O jogo então ocupa a tela toda e fica lá. Para sair, pressione Esc e digite o número pedido; numa tela sensível ao toque, mantenha um dedo por três segundos no anel do canto superior direito e toque o número.</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Cartas:</translation>
    </message>
    <message>
        <source>Family cards…</source>
        <translation>Cartas da família…</translation>
    </message>
    <message>
        <source>Pairs to start with:</source>
        <translation>Pares no começo:</translation>
    </message>
    <message>
        <source>Grow with the child: a pair more after a good game</source>
        <translation>Crescer com a criança: um par a mais depois de um bom jogo</translation>
    </message>
    <message>
        <source>The cards say their names</source>
        <translation>As cartas falam o nome delas</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Voz:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Tempo de jogo:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>voz</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>sons</translation>
    </message>
    <message numerus="yes">
        <source>Family photos: up to %n pairs</source>
        <translation>
            <numerusform>Fotos da família: até %n par</numerusform>
            <numerusform>Fotos da família: até %n pares</numerusform>
        </translation>
    </message>
    <message>
        <source>Family photos: make two cards or more first</source>
        <translation>Fotos da família: faça antes duas cartas ou mais</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Acionadores</translation>
    </message>
    <message>
        <source>These cards are told apart by the words they say: switch the voice on.</source>
        <translation>Estas cartas se distinguem pelas palavras que dizem: ligue a voz.</translation>
    </message>
</context>
<context>
    <name>twindle::SwitchPage</name>
    <message>
        <source>None: the keys, the mouse and the fingers</source>
        <translation>Nenhum: as teclas, o mouse e os dedos</translation>
    </message>
    <message>
        <source>One: the focus steps on by itself, the switch turns the card</source>
        <translation>Um: o foco avança sozinho, o acionador vira a carta</translation>
    </message>
    <message>
        <source>Two: switch 1 steps on, switch 2 turns the card</source>
        <translation>Dois: o acionador 1 avança, o acionador 2 vira a carta</translation>
    </message>
    <message>
        <source>Switches:</source>
        <translation>Acionadores:</translation>
    </message>
    <message>
        <source>Step every:</source>
        <translation>Avançar a cada:</translation>
    </message>
    <message>
        <source>Switch 1 sends:</source>
        <translation>O acionador 1 envia:</translation>
    </message>
    <message>
        <source>The key switch 1 sends</source>
        <translation>A tecla que o acionador 1 envia</translation>
    </message>
    <message>
        <source>Switch 2 sends:</source>
        <translation>O acionador 2 envia:</translation>
    </message>
    <message>
        <source>The key switch 2 sends</source>
        <translation>A tecla que o acionador 2 envia</translation>
    </message>
    <message>
        <source>Ignore a press within:</source>
        <translation>Ignorar um toque em:</translation>
    </message>
    <message>
        <source>Learn…</source>
        <translation>Aprender…</translation>
    </message>
    <message>
        <source>Then press the switch</source>
        <translation>Depois aperte o acionador</translation>
    </message>
    <message>
        <source>press the switch now</source>
        <translation>aperte o acionador agora</translation>
    </message>
    <message>
        <source>Press the switch now.</source>
        <translation>Aperte o acionador agora.</translation>
    </message>
    <message>
        <source>Escape is the grown-ups&apos; way out: it cannot be a switch.</source>
        <translation>Esc é a saída dos adultos: não pode ser um acionador.</translation>
    </message>
    <message>
        <source>That key cannot be a switch: press Learn and another.</source>
        <translation>Essa tecla não pode ser um acionador: aperte Aprender e outra.</translation>
    </message>
    <message>
        <source>The other switch sends %1 already.</source>
        <translation>O outro acionador já envia %1.</translation>
    </message>
    <message>
        <source>Switch %1 sends %2.</source>
        <translation>O acionador %1 envia %2.</translation>
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
        <translation>As cartas do modo para pequeninos: %1.</translation>
    </message>
    <message>
        <source>Toddler mode starts with this many pairs, %1 to %2.</source>
        <translation>O modo para pequeninos começa com este número de pares, de %1 a %2.</translation>
    </message>
    <message>
        <source>The number of pairs stays; without it, it grows with the child.</source>
        <translation>O número de pares não muda; sem esta opção, ele cresce com a criança.</translation>
    </message>
    <message>
        <source>Play time in toddler mode, %1 to %2 minutes; %3 for no limit.</source>
        <translation>Tempo de jogo no modo para pequeninos, de %1 a %2 minutos; %3 para sem limite.</translation>
    </message>
    <message>
        <source>--kind family: %1 pairs need %1 family cards, and there are %2 (add them with --add-family-card or on the setup screen)</source>
        <translation>--kind family: %1 pares precisam de %1 cartas da família, e há %2 (adicione-as com --add-family-card ou na tela de ajustes)</translation>
    </message>
    <message>
        <source>--kind %1: not a kind of cards (%2)</source>
        <translation>--kind %1: não é um tipo de carta (%2)</translation>
    </message>
</context>
<context>
    <name>twindle::VoiceRecorder</name>
    <message>
        <source>There is no microphone.</source>
        <translation>Não há microfone.</translation>
    </message>
    <message>
        <source>The microphone does not record in a way Twindle can use.</source>
        <translation>O microfone não grava de um jeito que o Twindle possa usar.</translation>
    </message>
    <message>
        <source>The microphone could not be started.</source>
        <translation>Não foi possível ligar o microfone.</translation>
    </message>
</context>
<context>
    <name>twindle::family::CropView</name>
    <message>
        <source>Drag the frame, or use the arrow keys, to choose what the card shows; the mouse wheel or + and - make it larger or smaller.</source>
        <translation>Arraste a moldura, ou use as setas, para escolher o que a carta mostra; a roda do mouse ou + e - a aumentam ou diminuem.</translation>
    </message>
    <message>
        <source>What the card shows</source>
        <translation>O que a carta mostra</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyCommands</name>
    <message>
        <source>%1 family cards, games of up to %2 pairs</source>
        <translation>Cartas da família: %1, partidas de até %2 pares</translation>
    </message>
    <message>
        <source>A new card needs a name: --name NAME.</source>
        <translation>Uma carta nova precisa de um nome: --name NOME.</translation>
    </message>
    <message>
        <source>Added “%1”: %2.</source>
        <translation>“%1” adicionada: %2.</translation>
    </message>
    <message>
        <source>Removed “%1”: %2.</source>
        <translation>“%1” removida: %2.</translation>
    </message>
    <message>
        <source>Give one of --add-family-card PHOTO --name NAME [--voice WAV], --list-family-cards or --remove-family-card NAME.</source>
        <translation>Informe uma destas: --add-family-card FOTO --name NOME [--voice WAV], --list-family-cards ou --remove-family-card NOME.</translation>
    </message>
    <message>
        <source>--name and --voice go with --add-family-card.</source>
        <translation>--name e --voice vão com --add-family-card.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyDeck</name>
    <message>
        <source>There is already a card named “%1”.</source>
        <translation>Já existe uma carta chamada “%1”.</translation>
    </message>
    <message>
        <source>There is no card named “%1”.</source>
        <translation>Não existe carta chamada “%1”.</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the family cards.</source>
        <translation>O Twindle não conseguiu criar a pasta %1 para as cartas da família.</translation>
    </message>
    <message>
        <source> Twindle leaves the family cards as they are.</source>
        <translation> O Twindle deixa as cartas da família como estão.</translation>
    </message>
    <message>
        <source>Twindle could not make the card&apos;s picture from the photo.</source>
        <translation>O Twindle não conseguiu fazer a imagem da carta a partir da foto.</translation>
    </message>
    <message>
        <source>The recording is not a card&apos;s voice as Twindle makes it.</source>
        <translation>A gravação não é uma voz de carta como o Twindle faz.</translation>
    </message>
    <message>
        <source>The deck is full: it holds %1 cards.</source>
        <translation>O baralho está cheio: ele tem %1 cartas.</translation>
    </message>
    <message>
        <source>Twindle could not save the family cards: %1.</source>
        <translation>O Twindle não conseguiu salvar as cartas da família: %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the system did not say why</source>
        <translation>o sistema não disse por quê</translation>
    </message>
    <message>
        <source>Another Twindle is changing the family cards; try again in a moment.</source>
        <translation>Outro Twindle está mudando as cartas da família; tente de novo daqui a pouco.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index: %1.</source>
        <translation>O Twindle não conseguiu ler o índice das cartas da família: %1.</translation>
    </message>
    <message>
        <source>The family cards&apos; index is too large to be one Twindle wrote.</source>
        <translation>O índice das cartas da família é grande demais para ser do Twindle.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index.</source>
        <translation>O Twindle não conseguiu ler o índice das cartas da família.</translation>
    </message>
    <message>
        <source>its picture is missing</source>
        <translation>falta a imagem</translation>
    </message>
    <message>
        <source>its picture is damaged</source>
        <translation>a imagem está danificada</translation>
    </message>
    <message>
        <source>its recording is damaged</source>
        <translation>a gravação está danificada</translation>
    </message>
    <message>
        <source>its recording is missing</source>
        <translation>falta a gravação</translation>
    </message>
    <message>
        <source>Line %1 of the family cards&apos; index is skipped: %2</source>
        <translation>A linha %1 do índice das cartas da família foi pulada: %2</translation>
    </message>
    <message>
        <source>an earlier card has the same name</source>
        <translation>uma carta anterior tem o mesmo nome</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>“%1” ficou de fora: %2.</translation>
    </message>
    <message>
        <source>“%1” is kept silent: %2.</source>
        <translation>“%1” fica em silêncio: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a photo.</source>
        <translation>%1 é uma pasta, não uma foto.</translation>
    </message>
    <message>
        <source>%1 is not a photo: it is not an ordinary file.</source>
        <translation>%1 não é uma foto: não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vazio.</translation>
    </message>
    <message>
        <source>%1 is too large (%2 MB): photos up to %3 MB can be used.</source>
        <translation>%1 é grande demais (%2 MB): dá para usar fotos de até %3 MB.</translation>
    </message>
    <message>
        <source>%1 is too big a picture (%2 x %3 pixels): Twindle takes photos of up to %4 million pixels.</source>
        <translation>%1 é uma imagem grande demais (%2 x %3 pixels): o Twindle aceita fotos de até %4 milhões de pixels.</translation>
    </message>
    <message>
        <source>%1 is too small (%2 x %3 pixels): a card needs at least %4 x %5.</source>
        <translation>%1 é pequena demais (%2 x %3 pixels): uma carta precisa de pelo menos %4 x %5.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Não existe o arquivo %1.</translation>
    </message>
    <message>
        <source>Twindle may not read %1.</source>
        <translation>O Twindle não tem permissão para ler %1.</translation>
    </message>
    <message>
        <source>Twindle could not read %1.</source>
        <translation>O Twindle não conseguiu ler %1.</translation>
    </message>
    <message>
        <source>%1 is not a picture Twindle can read.</source>
        <translation>%1 não é uma imagem que o Twindle saiba ler.</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short.</source>
        <translation>%1 está danificado ou cortado.</translation>
    </message>
    <message>
        <source>The recording&apos;s sample rate (%1 Hz) is not one Twindle takes: it takes %2 to %3 Hz.</source>
        <translation>A taxa de amostragem da gravação (%1 Hz) não é uma que o Twindle aceite: ele aceita de %2 a %3 Hz.</translation>
    </message>
    <message>
        <source>Twindle could not convert the recording.</source>
        <translation>O Twindle não conseguiu converter a gravação.</translation>
    </message>
    <message>
        <source>The recording is silent.</source>
        <translation>A gravação está em silêncio.</translation>
    </message>
    <message>
        <source>The recording lasts %1 s without the silence around it: a name may last up to %2 s.</source>
        <translation>A gravação dura %1 s sem o silêncio em volta: um nome pode durar até %2 s.</translation>
    </message>
    <message>
        <source>There is no recording %1.</source>
        <translation>Não existe a gravação %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a name (%2 MB).</source>
        <translation>%1 é grande demais para um nome (%2 MB).</translation>
    </message>
    <message>
        <source>%1 is not a WAVE recording Twindle can read (8 or 16-bit PCM).</source>
        <translation>%1 não é uma gravação WAVE que o Twindle saiba ler (PCM de 8 ou 16 bits).</translation>
    </message>
    <message>
        <source>Twindle&apos;s part that reads photos and recordings (lib/twindle/twindle_media.so) is missing; installing Twindle again brings it back</source>
        <translation>Falta a parte do Twindle que lê fotos e gravações (lib/twindle/twindle_media.so); instalar o Twindle de novo a traz de volta</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>Não foi possível verificar %1: %2.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyEditor</name>
    <message>
        <source>No photos yet: add some to make family cards.</source>
        <translation>Ainda não há fotos: adicione algumas para fazer cartas da família.</translation>
    </message>
    <message>
        <source>1 photo: games of up to 1 pair</source>
        <translation>1 foto: partidas de até 1 par</translation>
    </message>
    <message numerus="yes">
        <source>%n photos: games of up to %1 pairs</source>
        <translation>
            <numerusform>%n foto: partidas de até %1 pares</numerusform>
            <numerusform>%n fotos: partidas de até %1 pares</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose the p&amp;hoto again...</source>
        <translation>Escolher a &amp;foto de novo...</translation>
    </message>
    <message>
        <source>Re&amp;move card</source>
        <translation>&amp;Remover carta</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Fotos da família</translation>
    </message>
    <message>
        <source>Family cards</source>
        <translation>Cartas da família</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Voz:</translation>
    </message>
    <message>
        <source>&amp;Add photos...</source>
        <translation>&amp;Adicionar fotos...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fe&amp;char</translation>
    </message>
    <message>
        <source>Card &amp;words...</source>
        <translation>&amp;Palavras das cartas...</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Adicionar fotos</translation>
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
        <translation>Escolher a foto de “%1”</translation>
    </message>
    <message>
        <source>Remove card</source>
        <translation>Remover carta</translation>
    </message>
    <message>
        <source>Remove “%1” from the family cards? The photo itself stays where it is.</source>
        <translation>Remover “%1” das cartas da família? A foto em si continua onde está.</translation>
    </message>
</context>
<context>
    <name>twindle::family::VoicePanel</name>
    <message>
        <source>&amp;Play</source>
        <translation>O&amp;uvir</translation>
    </message>
    <message>
        <source>&amp;Silent</source>
        <translation>&amp;Silêncio</translation>
    </message>
    <message>
        <source>Say the name after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Fale o nome depois de pressionar; a gravação para depois de %1 segundos, ou quando você pressionar de novo.</translation>
    </message>
    <message>
        <source>Say the word after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Fale a palavra depois de pressionar; a gravação para depois de %1 segundos, ou quando você pressionar de novo.</translation>
    </message>
    <message>
        <source>&amp;Record again</source>
        <translation>&amp;Gravar de novo</translation>
    </message>
    <message>
        <source>Recording needs Twindle&apos;s sound module, which is not installed.</source>
        <translation>Para gravar, o Twindle precisa do módulo de som dele, que não está instalado.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Interromper</translation>
    </message>
    <message>
        <source>Recording: say the name now (up to %1 seconds).</source>
        <translation>Gravando: fale o nome agora (até %1 segundos).</translation>
    </message>
    <message>
        <source>Recording: say the word now (up to %1 seconds).</source>
        <translation>Gravando: fale a palavra agora (até %1 segundos).</translation>
    </message>
    <message>
        <source>&amp;Record the name</source>
        <translation>&amp;Gravar o nome</translation>
    </message>
    <message>
        <source>&amp;Record the word</source>
        <translation>&amp;Gravar a palavra</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecorder</name>
    <message>
        <source>The cards&apos; words: %1</source>
        <translation>As palavras das cartas: %1</translation>
    </message>
    <message>
        <source>Pick a picture, a letter or a cheer, then record how you say it. In this language the cards say what you record here, in place of Twindle&apos;s own voice.</source>
        <translation>Escolha uma figura, uma letra ou uma comemoração e grave como você fala. Neste idioma as cartas falam então a sua gravação no lugar da voz do Twindle.</translation>
    </message>
    <message>
        <source>The cards&apos; words</source>
        <translation>As palavras das cartas</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Você conseguiu!</translation>
    </message>
    <message>
        <source>All done!</source>
        <translation>Acabou por hoje!</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>gravada</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (gravada)</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecordings</name>
    <message>
        <source>Twindle could not read the index of the recorded words in %1.</source>
        <translation>O Twindle não conseguiu ler o índice das palavras gravadas em %1.</translation>
    </message>
    <message>
        <source>Line %1 of the recorded words&apos; index is skipped: %2</source>
        <translation>A linha %1 do índice das palavras gravadas foi pulada: %2</translation>
    </message>
    <message>
        <source>The recorded word %1 (language %2) is skipped: its recording is missing or damaged.</source>
        <translation>A palavra gravada %1 (idioma %2) foi pulada: a gravação está faltando ou danificada.</translation>
    </message>
    <message>
        <source>The recording is not a word as Twindle makes it.</source>
        <translation>A gravação não é uma palavra como o Twindle faz.</translation>
    </message>
    <message>
        <source>There are already %1 recorded words.</source>
        <translation>Já existem %1 palavras gravadas.</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the recorded words.</source>
        <translation>O Twindle não conseguiu criar a pasta %1 para as palavras gravadas.</translation>
    </message>
</context>
</TS>
