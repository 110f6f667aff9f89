<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Animals</name>
    <message>
        <source>Kitty</source>
        <translation>Котёнок</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>Пингвин</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>Слон</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Жираф</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Зебра</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Утка</translation>
    </message>
    <message>
        <source>Froggy</source>
        <translation>Лягушонок</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Дельфин</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>Божья коровка</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>Бабочка</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Кенгуру</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Олень</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Свинка</translation>
    </message>
    <message>
        <source>Squirrel</source>
        <translation>Белка</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Орёл</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Петух</translation>
    </message>
    <message>
        <source>Mammoth</source>
        <translation>Мамонт</translation>
    </message>
    <message>
        <source>Horsey</source>
        <translation>Лошадка</translation>
    </message>
</context>
<context>
    <name>CardFaces</name>
    <message>
        <source>capital %1</source>
        <translation>заглавная %1</translation>
    </message>
    <message>
        <source>small %1</source>
        <translation>строчная %1</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>The board, no cards</source>
        <translation>Поле, карт нет</translation>
    </message>
    <message>
        <source>The board, %1 cards</source>
        <translation>Поле, %1 карт</translation>
    </message>
    <message>
        <source>The arrow keys go from card to card; Space turns a card over.</source>
        <translation>Стрелки переходят от карты к карте; пробел переворачивает карту.</translation>
    </message>
    <message>
        <source>card %1 of %2</source>
        <translation>карта %1 из %2</translation>
    </message>
    <message>
        <source>%1, found: %2</source>
        <translation>%1, найдена: %2</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, рубашкой вверх</translation>
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
        <translation>Twindle! Для малышей, версия 1.0</translation>
    </message>
    <message>
        <source>Thank you to every small player who tried it first</source>
        <translation>Спасибо всем маленьким игрокам, которые попробовали первыми</translation>
    </message>
    <message>
        <source>F11: full screen for little hands</source>
        <translation>F11: весь экран для маленьких ручек</translation>
    </message>
    <message>
        <source>(free software: GPL 3 or later; pictures: Twemoji)</source>
        <translation>(свободная программа: GPL 3 или новее; картинки: Twemoji)</translation>
    </message>
    <message>
        <source>Twindle is free software under the GNU General Public License, version 3 or any later version. Twemoji graphics: CC-BY 4.0. Fonts: Liberation, SIL Open Font License 1.1. See the README for the full credits.</source>
        <translation>Twindle — свободная программа под лицензией GNU General Public License версии 3 или любой более поздней версии. Графика Twemoji: CC-BY 4.0. Шрифты: Liberation, SIL Open Font License 1.1. Все благодарности — в файле README.</translation>
    </message>
    <message>
        <source>The Twindle team, programmers</source>
        <translation>Команда Twindle, программисты</translation>
    </message>
</context>
<context>
    <name>twindle::AllDoneScreen</name>
    <message>
        <source>All done!</source>
        <translation>На сегодня всё!</translation>
    </message>
</context>
<context>
    <name>twindle::BoardView</name>
    <message>
        <source>You Did It!</source>
        <translation>Ура, получилось!</translation>
    </message>
</context>
<context>
    <name>twindle::CardKind</name>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>Letters: A and A</source>
        <translation>Буквы: A и A</translation>
    </message>
    <message>
        <source>Letters: A and a</source>
        <translation>Буквы: A и a</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Семейные фото</translation>
    </message>
    <message>
        <source>By ear: cards alike, told apart by their words</source>
        <translation>На слух: одинаковые карты, различимые по словам</translation>
    </message>
</context>
<context>
    <name>twindle::CommandLine</name>
    <message>
        <source>Play full screen, locked for a toddler (also F11 in the window). Without --kind or --pairs a setup screen asks the parent first.</source>
        <translation>Играть во весь экран, с блокировкой для малыша (в окне — также F11). Без --kind или --pairs сначала откроется экран настроек для родителей.</translation>
    </message>
    <message>
        <source>Cards in toddler mode say nothing.</source>
        <translation>В режиме для малышей карточки молчат.</translation>
    </message>
    <message>
        <source>Make a family card of the photo, named with --name, its name said as in the WAVE file of --voice.</source>
        <translation>Сделать из фотографии семейную карточку с именем из --name; имя звучит как в WAVE-файле из --voice.</translation>
    </message>
    <message>
        <source>The name of the family card to add.</source>
        <translation>Имя добавляемой семейной карточки.</translation>
    </message>
    <message>
        <source>The family card&apos;s name said, a WAVE file.</source>
        <translation>Произнесённое имя семейной карточки, WAVE-файл.</translation>
    </message>
    <message>
        <source>List the family cards, one a line, and end.</source>
        <translation>Перечислить семейные карточки, по одной в строке, и выйти.</translation>
    </message>
    <message>
        <source>Remove the family card of that name.</source>
        <translation>Удалить семейную карточку с этим именем.</translation>
    </message>
    <message>
        <source>Print where the cards of every game stand, in pixels and in twips, and end.</source>
        <translation>Вывести, где лежат карточки каждой игры, в пикселях и в твипах, и выйти.</translation>
    </message>
    <message>
        <source>options that choose toddler mode&apos;s game, such as --kind and --pairs, need --toddler</source>
        <translation>параметрам, выбирающим игру режима для малышей, таким как --kind и --pairs, нужен --toddler</translation>
    </message>
    <message>
        <source>A pairs card game for toddlers.</source>
        <translation>Игра «Найди пару» для малышей.</translation>
    </message>
    <message>
        <source>--%1 %2: give %3 to %4%5</source>
        <translation>--%1 %2: укажите от %3 до %4%5</translation>
    </message>
    <message>
        <source>, or %1 for no limit</source>
        <translation>, или %1 — без ограничения</translation>
    </message>
    <message>
        <source>see twindle --help</source>
        <translation>см. twindle --help</translation>
    </message>
</context>
<context>
    <name>twindle::GateOverlay</name>
    <message>
        <source>Grown-ups: to leave full screen, type %1 in digits, then press Enter.%2</source>
        <translation>Взрослым: чтобы выйти из полноэкранного режима, наберите цифрами %1 и нажмите Enter.%2</translation>
    </message>
</context>
<context>
    <name>twindle::GatePad</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Grown-ups: to leave full screen, tap %1 in digits, then OK.%2</source>
        <translation>Взрослым: чтобы выйти из полноэкранного режима, наберите цифрами %1 и нажмите OK.%2</translation>
    </message>
</context>
<context>
    <name>twindle::LanguageOptions</name>
    <message>
        <source>The windows and the parent gate in this language for this run: %1. Without it, the language chosen on the setup screen, else the system&apos;s.</source>
        <translation>Окна и родительский замок на этом языке, только в этот раз: %1. Без этого параметра — язык, выбранный на экране настроек, иначе язык системы.</translation>
    </message>
    <message>
        <source>The cards&apos; words in this language for this run: %1. A word with no voice in it, built in or recorded, is silent.</source>
        <translation>Слова карточек на этом языке, только в этот раз: %1. Слово без голоса на этом языке, встроенного или записанного, не звучит.</translation>
    </message>
    <message>
        <source>--%1 %2: Twindle has no such language; give one of %3</source>
        <translation>--%1 %2: такого языка в Twindle нет; укажите один из: %3</translation>
    </message>
</context>
<context>
    <name>twindle::LanguagePage</name>
    <message>
        <source>The system&apos;s: %1</source>
        <translation>Как в системе: %1</translation>
    </message>
    <message>
        <source>The same as the screen&apos;s</source>
        <translation>Как у экрана</translation>
    </message>
    <message>
        <source>Screen and gate:</source>
        <translation>Экран и замок:</translation>
    </message>
    <message>
        <source>Cards&apos; words:</source>
        <translation>Слова карточек:</translation>
    </message>
    <message>
        <source>A new language shows once you press Start.</source>
        <translation>Новый язык появится, как только вы нажмёте «Начать».</translation>
    </message>
    <message>
        <source>In this language (%1) the cards say their words in Twindle&apos;s own voice, or in yours where you recorded them (Family cards…, then Card words…).</source>
        <translation>На этом языке (%1) карточки говорят свои слова голосом Twindle или вашим, если вы их записали («Семейные карточки…», затем «Слова карточек…»).</translation>
    </message>
    <message>
        <source>Twindle has no voice of its own in this language (%1): the cards say only the words you record (Family cards…, then Card words…) and are silent otherwise.</source>
        <translation>На этом языке (%1) у Twindle нет своего голоса: карточки говорят только записанные вами слова («Семейные карточки…», затем «Слова карточек…»), а иначе молчат.</translation>
    </message>
</context>
<context>
    <name>twindle::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>О &amp;программе</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Старт</translation>
    </message>
</context>
<context>
    <name>twindle::OptionsDialog</name>
    <message>
        <source> Options</source>
        <translation> Настройки</translation>
    </message>
    <message>
        <source>Cards disappear</source>
        <translation>Карточки исчезают</translation>
    </message>
    <message>
        <source>Matching Pair sound</source>
        <translation>Звук при найденной паре</translation>
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
        <translation>Только я</translation>
    </message>
    <message numerus="yes">
        <source>%n players taking turns</source>
        <translation>
            <numerusform>%n игрок по очереди</numerusform>
            <numerusform>%n игрока по очереди</numerusform>
            <numerusform>%n игроков по очереди</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>twindle::PlayersBand</name>
    <message>
        <source>Playing together</source>
        <translation>Играем вместе</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Ходит %1</translation>
    </message>
</context>
<context>
    <name>twindle::PlayersPage</name>
    <message>
        <source>Players:</source>
        <translation>Игроки:</translation>
    </message>
    <message>
        <source>A friendly animal:</source>
        <translation>Добрый зверёк:</translation>
    </message>
    <message>
        <source>Its memory:</source>
        <translation>Его память:</translation>
    </message>
    <message>
        <source>Play together as one team: one colour, no turns</source>
        <translation>Играть вместе одной командой: один цвет, без очерёдности</translation>
    </message>
    <message>
        <source>Each player has a colour. A band of that colour around the board shows whose turn it is, and their name is said. A pair found, the same player goes again; a miss, the next player. The pairs found collect by the finder&apos;s picture.</source>
        <translation>У каждого игрока свой цвет. Полоса этого цвета вокруг поля показывает, чей ход, и называется имя. Нашёл пару — тот же игрок ходит снова; ошибся — ходит следующий. Найденные пары собираются у картинки того, кто их нашёл.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Никто</translation>
    </message>
    <message>
        <source>%1 plays too</source>
        <translation>%1 тоже играет</translation>
    </message>
    <message>
        <source>forgets a lot</source>
        <translation>много забывает</translation>
    </message>
    <message>
        <source>forgets a little</source>
        <translation>немного забывает</translation>
    </message>
    <message>
        <source>never forgets</source>
        <translation>никогда не забывает</translation>
    </message>
</context>
<context>
    <name>twindle::RestartDialog</name>
    <message>
        <source>Start New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>What kind of cards do you want to match?</source>
        <translation>С какими карточками ты хочешь играть?</translation>
    </message>
    <message>
        <source>How many cards do you want to match?</source>
        <translation>Сколько карточек ты хочешь взять?</translation>
    </message>
    <message>
        <source>Start new Game?</source>
        <translation>Начать новую игру?</translation>
    </message>
    <message>
        <source>You have a game in progress!
Do you want to restart?</source>
        <translation>Игра ещё идёт!
Начать заново?</translation>
    </message>
</context>
<context>
    <name>twindle::SecondsBox</name>
    <message>
        <source> s</source>
        <translation> с</translation>
    </message>
</context>
<context>
    <name>twindle::SetupScreen</name>
    <message>
        <source>Toddler mode</source>
        <translation>Режим для малышей</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>The game then fills the screen and stays there. To leave it, press Escape and type the number it asks for; on a touch screen, hold a finger on the ring in the top right corner for three seconds and tap the number.</source>
        <translation>Потом игра займёт весь экран и останется на нём. Чтобы выйти, нажмите Escape и наберите названное число; на сенсорном экране подержите палец три секунды на кольце в правом верхнем углу и наберите число.</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Карточки:</translation>
    </message>
    <message>
        <source>Family cards…</source>
        <translation>Семейные карточки…</translation>
    </message>
    <message>
        <source>Pairs to start with:</source>
        <translation>Пар в начале:</translation>
    </message>
    <message>
        <source>Grow with the child: a pair more after a good game</source>
        <translation>Расти вместе с ребёнком: на пару больше после удачной игры</translation>
    </message>
    <message>
        <source>The cards say their names</source>
        <translation>Карточки называют себя</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Голос:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Громкость:</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Без ограничения</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 минут</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>Время игры:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>голос</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>звуки</translation>
    </message>
    <message numerus="yes">
        <source>Family photos: up to %n pairs</source>
        <translation>
            <numerusform>Семейные фото: до %n пары</numerusform>
            <numerusform>Семейные фото: до %n пар</numerusform>
            <numerusform>Семейные фото: до %n пар</numerusform>
        </translation>
    </message>
    <message>
        <source>Family photos: make two cards or more first</source>
        <translation>Семейные фото: сначала сделайте две карточки или больше</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>Кнопки</translation>
    </message>
    <message>
        <source>These cards are told apart by the words they say: switch the voice on.</source>
        <translation>Эти карты различают по словам, которые они говорят: включите голос.</translation>
    </message>
</context>
<context>
    <name>twindle::SwitchPage</name>
    <message>
        <source>None: the keys, the mouse and the fingers</source>
        <translation>Нет: клавиши, мышь и пальцы</translation>
    </message>
    <message>
        <source>One: the focus steps on by itself, the switch turns the card</source>
        <translation>Одна: фокус переходит сам, кнопка переворачивает карту</translation>
    </message>
    <message>
        <source>Two: switch 1 steps on, switch 2 turns the card</source>
        <translation>Две: кнопка 1 переходит дальше, кнопка 2 переворачивает карту</translation>
    </message>
    <message>
        <source>Switches:</source>
        <translation>Кнопки:</translation>
    </message>
    <message>
        <source>Step every:</source>
        <translation>Шаг каждые:</translation>
    </message>
    <message>
        <source>Switch 1 sends:</source>
        <translation>Кнопка 1 посылает:</translation>
    </message>
    <message>
        <source>The key switch 1 sends</source>
        <translation>Клавиша, которую посылает кнопка 1</translation>
    </message>
    <message>
        <source>Switch 2 sends:</source>
        <translation>Кнопка 2 посылает:</translation>
    </message>
    <message>
        <source>The key switch 2 sends</source>
        <translation>Клавиша, которую посылает кнопка 2</translation>
    </message>
    <message>
        <source>Ignore a press within:</source>
        <translation>Не считать нажатие в течение:</translation>
    </message>
    <message>
        <source>Learn…</source>
        <translation>Запомнить…</translation>
    </message>
    <message>
        <source>Then press the switch</source>
        <translation>Затем нажмите кнопку</translation>
    </message>
    <message>
        <source>press the switch now</source>
        <translation>нажмите кнопку сейчас</translation>
    </message>
    <message>
        <source>Press the switch now.</source>
        <translation>Нажмите кнопку сейчас.</translation>
    </message>
    <message>
        <source>Escape is the grown-ups&apos; way out: it cannot be a switch.</source>
        <translation>Escape — выход для взрослых: это не может быть кнопка.</translation>
    </message>
    <message>
        <source>That key cannot be a switch: press Learn and another.</source>
        <translation>Эта клавиша не может быть кнопкой: нажмите «Запомнить» и другую.</translation>
    </message>
    <message>
        <source>The other switch sends %1 already.</source>
        <translation>Другая кнопка уже посылает %1.</translation>
    </message>
    <message>
        <source>Switch %1 sends %2.</source>
        <translation>Кнопка %1 посылает %2.</translation>
    </message>
</context>
<context>
    <name>twindle::ToddlerOptions</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>Toddler mode&apos;s cards: %1.</source>
        <translation>Карточки режима для малышей: %1.</translation>
    </message>
    <message>
        <source>Toddler mode starts with this many pairs, %1 to %2.</source>
        <translation>Сколько пар в начале режима для малышей, от %1 до %2.</translation>
    </message>
    <message>
        <source>The number of pairs stays; without it, it grows with the child.</source>
        <translation>Число пар не меняется; без этого параметра оно растёт вместе с ребёнком.</translation>
    </message>
    <message>
        <source>Play time in toddler mode, %1 to %2 minutes; %3 for no limit.</source>
        <translation>Время игры в режиме для малышей, от %1 до %2 минут; %3 — без ограничения.</translation>
    </message>
    <message>
        <source>--kind family: %1 pairs need %1 family cards, and there are %2 (add them with --add-family-card or on the setup screen)</source>
        <translation>--kind family: нужно семейных карточек: %1 (по одной на пару), а сейчас их: %2 (добавьте их через --add-family-card или на экране настроек)</translation>
    </message>
    <message>
        <source>--kind %1: not a kind of cards (%2)</source>
        <translation>--kind %1: нет такого вида карточек (%2)</translation>
    </message>
</context>
<context>
    <name>twindle::VoiceRecorder</name>
    <message>
        <source>There is no microphone.</source>
        <translation>Микрофона нет.</translation>
    </message>
    <message>
        <source>The microphone does not record in a way Twindle can use.</source>
        <translation>Микрофон записывает не так, как нужно Twindle.</translation>
    </message>
    <message>
        <source>The microphone could not be started.</source>
        <translation>Не удалось включить микрофон.</translation>
    </message>
</context>
<context>
    <name>twindle::family::CropView</name>
    <message>
        <source>Drag the frame, or use the arrow keys, to choose what the card shows; the mouse wheel or + and - make it larger or smaller.</source>
        <translation>Перетащите рамку или нажимайте стрелки, чтобы выбрать, что покажет карточка; колесо мыши или + и - увеличивают и уменьшают её.</translation>
    </message>
    <message>
        <source>What the card shows</source>
        <translation>Что покажет карточка</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyCommands</name>
    <message>
        <source>%1 family cards, games of up to %2 pairs</source>
        <translation>Семейных карточек: %1, игры до %2 пар</translation>
    </message>
    <message>
        <source>A new card needs a name: --name NAME.</source>
        <translation>Новой карточке нужно имя: --name ИМЯ.</translation>
    </message>
    <message>
        <source>Added “%1”: %2.</source>
        <translation>Добавлена «%1»: %2.</translation>
    </message>
    <message>
        <source>Removed “%1”: %2.</source>
        <translation>Удалена «%1»: %2.</translation>
    </message>
    <message>
        <source>Give one of --add-family-card PHOTO --name NAME [--voice WAV], --list-family-cards or --remove-family-card NAME.</source>
        <translation>Укажите одно из: --add-family-card ФОТО --name ИМЯ [--voice WAV], --list-family-cards или --remove-family-card ИМЯ.</translation>
    </message>
    <message>
        <source>--name and --voice go with --add-family-card.</source>
        <translation>--name и --voice используются вместе с --add-family-card.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyDeck</name>
    <message>
        <source>There is already a card named “%1”.</source>
        <translation>Карточка с именем «%1» уже есть.</translation>
    </message>
    <message>
        <source>There is no card named “%1”.</source>
        <translation>Карточки с именем «%1» нет.</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the family cards.</source>
        <translation>Twindle не смог создать папку %1 для семейных карточек.</translation>
    </message>
    <message>
        <source> Twindle leaves the family cards as they are.</source>
        <translation> Twindle оставляет семейные карточки как есть.</translation>
    </message>
    <message>
        <source>Twindle could not make the card&apos;s picture from the photo.</source>
        <translation>Twindle не смог сделать картинку карточки из фотографии.</translation>
    </message>
    <message>
        <source>The recording is not a card&apos;s voice as Twindle makes it.</source>
        <translation>Запись не похожа на голос карточки, какой делает Twindle.</translation>
    </message>
    <message>
        <source>The deck is full: it holds %1 cards.</source>
        <translation>Колода полна: в ней уже столько карточек: %1.</translation>
    </message>
    <message>
        <source>Twindle could not save the family cards: %1.</source>
        <translation>Twindle не смог сохранить семейные карточки: %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the system did not say why</source>
        <translation>система не сообщила причину</translation>
    </message>
    <message>
        <source>Another Twindle is changing the family cards; try again in a moment.</source>
        <translation>Другой Twindle сейчас меняет семейные карточки; попробуйте ещё раз через минуту.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index: %1.</source>
        <translation>Twindle не смог прочитать указатель семейных карточек: %1.</translation>
    </message>
    <message>
        <source>The family cards&apos; index is too large to be one Twindle wrote.</source>
        <translation>Указатель семейных карточек слишком велик — его записал не Twindle.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index.</source>
        <translation>Twindle не смог прочитать указатель семейных карточек.</translation>
    </message>
    <message>
        <source>its picture is missing</source>
        <translation>нет её картинки</translation>
    </message>
    <message>
        <source>its picture is damaged</source>
        <translation>её картинка повреждена</translation>
    </message>
    <message>
        <source>its recording is damaged</source>
        <translation>её запись повреждена</translation>
    </message>
    <message>
        <source>its recording is missing</source>
        <translation>нет её записи</translation>
    </message>
    <message>
        <source>Line %1 of the family cards&apos; index is skipped: %2</source>
        <translation>Строка %1 указателя семейных карточек пропущена: %2</translation>
    </message>
    <message>
        <source>an earlier card has the same name</source>
        <translation>у более ранней карточки то же имя</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>«%1» пропущена: %2.</translation>
    </message>
    <message>
        <source>“%1” is kept silent: %2.</source>
        <translation>«%1» остаётся без голоса: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a photo.</source>
        <translation>%1 — это папка, а не фотография.</translation>
    </message>
    <message>
        <source>%1 is not a photo: it is not an ordinary file.</source>
        <translation>%1 — не фотография: это не обычный файл.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 пуст.</translation>
    </message>
    <message>
        <source>%1 is too large (%2 MB): photos up to %3 MB can be used.</source>
        <translation>%1 слишком велик (%2 МБ): подойдут фотографии до %3 МБ.</translation>
    </message>
    <message>
        <source>%1 is too big a picture (%2 x %3 pixels): Twindle takes photos of up to %4 million pixels.</source>
        <translation>%1 — слишком большая картинка (%2 x %3 пикселей): Twindle берёт фотографии до %4 миллионов пикселей.</translation>
    </message>
    <message>
        <source>%1 is too small (%2 x %3 pixels): a card needs at least %4 x %5.</source>
        <translation>%1 слишком мала (%2 x %3 пикселей): карточке нужно не меньше %4 x %5.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Файла %1 нет.</translation>
    </message>
    <message>
        <source>Twindle may not read %1.</source>
        <translation>Twindle не может читать %1: нет прав.</translation>
    </message>
    <message>
        <source>Twindle could not read %1.</source>
        <translation>Twindle не смог прочитать %1.</translation>
    </message>
    <message>
        <source>%1 is not a picture Twindle can read.</source>
        <translation>%1 — не картинка, которую Twindle умеет читать.</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short.</source>
        <translation>%1 повреждён или обрезан.</translation>
    </message>
    <message>
        <source>The recording&apos;s sample rate (%1 Hz) is not one Twindle takes: it takes %2 to %3 Hz.</source>
        <translation>Частота дискретизации записи (%1 Гц) Twindle не подходит: подходит от %2 до %3 Гц.</translation>
    </message>
    <message>
        <source>Twindle could not convert the recording.</source>
        <translation>Twindle не смог преобразовать запись.</translation>
    </message>
    <message>
        <source>The recording is silent.</source>
        <translation>Запись беззвучна.</translation>
    </message>
    <message>
        <source>The recording lasts %1 s without the silence around it: a name may last up to %2 s.</source>
        <translation>Без тишины вокруг запись длится %1 с: имя может длиться до %2 с.</translation>
    </message>
    <message>
        <source>There is no recording %1.</source>
        <translation>Записи %1 нет.</translation>
    </message>
    <message>
        <source>%1 is too large for a name (%2 MB).</source>
        <translation>%1 слишком велик для имени (%2 МБ).</translation>
    </message>
    <message>
        <source>%1 is not a WAVE recording Twindle can read (8 or 16-bit PCM).</source>
        <translation>%1 — не WAVE-запись, которую Twindle умеет читать (8- или 16-битный PCM).</translation>
    </message>
    <message>
        <source>Twindle&apos;s part that reads photos and recordings (lib/twindle/twindle_media.so) is missing; installing Twindle again brings it back</source>
        <translation>Нет части Twindle, которая читает фотографии и записи (lib/twindle/twindle_media.so); переустановка Twindle вернёт её</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>Не удалось проверить %1: %2.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyEditor</name>
    <message>
        <source>No photos yet: add some to make family cards.</source>
        <translation>Фотографий пока нет: добавьте несколько, чтобы сделать семейные карточки.</translation>
    </message>
    <message>
        <source>1 photo: games of up to 1 pair</source>
        <translation>1 фотография: игры до 1 пары</translation>
    </message>
    <message numerus="yes">
        <source>%n photos: games of up to %1 pairs</source>
        <translation>
            <numerusform>%n фотография: игры до %1 пар</numerusform>
            <numerusform>%n фотографии: игры до %1 пар</numerusform>
            <numerusform>%n фотографий: игры до %1 пар</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose the p&amp;hoto again...</source>
        <translation>Выбрать &amp;фото заново...</translation>
    </message>
    <message>
        <source>Re&amp;move card</source>
        <translation>&amp;Удалить карточку</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>Семейные фото</translation>
    </message>
    <message>
        <source>Family cards</source>
        <translation>Семейные карточки</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>Голос:</translation>
    </message>
    <message>
        <source>&amp;Add photos...</source>
        <translation>&amp;Добавить фото...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Card &amp;words...</source>
        <translation>&amp;Слова карточек...</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Добавить фото</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>Фото (%1)</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Choose the photo of “%1”</source>
        <translation>Выбрать фото для «%1»</translation>
    </message>
    <message>
        <source>Remove card</source>
        <translation>Удалить карточку</translation>
    </message>
    <message>
        <source>Remove “%1” from the family cards? The photo itself stays where it is.</source>
        <translation>Удалить «%1» из семейных карточек? Сама фотография останется на месте.</translation>
    </message>
</context>
<context>
    <name>twindle::family::VoicePanel</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Прослушать</translation>
    </message>
    <message>
        <source>&amp;Silent</source>
        <translation>&amp;Без голоса</translation>
    </message>
    <message>
        <source>Say the name after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Скажите имя после нажатия; запись остановится через %1 с или при повторном нажатии.</translation>
    </message>
    <message>
        <source>Say the word after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>Скажите слово после нажатия; запись остановится через %1 с или при повторном нажатии.</translation>
    </message>
    <message>
        <source>&amp;Record again</source>
        <translation>З&amp;аписать заново</translation>
    </message>
    <message>
        <source>Recording needs Twindle&apos;s sound module, which is not installed.</source>
        <translation>Для записи Twindle нужен его звуковой модуль, а он не установлен.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>С&amp;топ</translation>
    </message>
    <message>
        <source>Recording: say the name now (up to %1 seconds).</source>
        <translation>Идёт запись: скажите имя сейчас (до %1 с).</translation>
    </message>
    <message>
        <source>Recording: say the word now (up to %1 seconds).</source>
        <translation>Идёт запись: скажите слово сейчас (до %1 с).</translation>
    </message>
    <message>
        <source>&amp;Record the name</source>
        <translation>З&amp;аписать имя</translation>
    </message>
    <message>
        <source>&amp;Record the word</source>
        <translation>З&amp;аписать слово</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecorder</name>
    <message>
        <source>The cards&apos; words: %1</source>
        <translation>Слова карточек: %1</translation>
    </message>
    <message>
        <source>Pick a picture, a letter or a cheer, then record how you say it. In this language the cards say what you record here, in place of Twindle&apos;s own voice.</source>
        <translation>Выберите картинку, букву или похвалу и запишите, как вы это говорите. На этом языке карточки будут говорить вашу запись вместо голоса Twindle.</translation>
    </message>
    <message>
        <source>The cards&apos; words</source>
        <translation>Слова карточек</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>Ура, получилось!</translation>
    </message>
    <message>
        <source>All done!</source>
        <translation>На сегодня всё!</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>записано</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (записано)</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecordings</name>
    <message>
        <source>Twindle could not read the index of the recorded words in %1.</source>
        <translation>Twindle не смог прочитать указатель записанных слов в %1.</translation>
    </message>
    <message>
        <source>Line %1 of the recorded words&apos; index is skipped: %2</source>
        <translation>Строка %1 указателя записанных слов пропущена: %2</translation>
    </message>
    <message>
        <source>The recorded word %1 (language %2) is skipped: its recording is missing or damaged.</source>
        <translation>Записанное слово %1 (язык %2) пропущено: его запись отсутствует или повреждена.</translation>
    </message>
    <message>
        <source>The recording is not a word as Twindle makes it.</source>
        <translation>Запись не похожа на слово, какое делает Twindle.</translation>
    </message>
    <message>
        <source>There are already %1 recorded words.</source>
        <translation>Записанных слов уже %1.</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the recorded words.</source>
        <translation>Twindle не смог создать папку %1 для записанных слов.</translation>
    </message>
</context>
</TS>
