<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>Animals</name>
    <message>
        <source>Kitty</source>
        <translation>חתלתול</translation>
    </message>
    <message>
        <source>Penguin</source>
        <translation>פינגווין</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>אריה</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>פיל</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>ג׳ירפה</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>זברה</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>ברווז</translation>
    </message>
    <message>
        <source>Froggy</source>
        <translation>צפרדע</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>דולפין</translation>
    </message>
    <message>
        <source>Ladybug</source>
        <translation>פרת משה רבנו</translation>
    </message>
    <message>
        <source>Butterfly</source>
        <translation>פרפר</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>קנגורו</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>צבי</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>חזיר</translation>
    </message>
    <message>
        <source>Squirrel</source>
        <translation>סנאי</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>נשר</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>תרנגול</translation>
    </message>
    <message>
        <source>Mammoth</source>
        <translation>ממותה</translation>
    </message>
    <message>
        <source>Horsey</source>
        <translation>סוסון</translation>
    </message>
</context>
<context>
    <name>CardFaces</name>
    <message>
        <source>capital %1</source>
        <translation>%1 גדולה</translation>
    </message>
    <message>
        <source>small %1</source>
        <translation>%1 קטנה</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>The board, no cards</source>
        <translation>הלוח, אין קלפים</translation>
    </message>
    <message>
        <source>The board, %1 cards</source>
        <translation>הלוח, %1 קלפים</translation>
    </message>
    <message>
        <source>The arrow keys go from card to card; Space turns a card over.</source>
        <translation>מקשי החיצים עוברים מקלף לקלף; רווח הופך קלף.</translation>
    </message>
    <message>
        <source>card %1 of %2</source>
        <translation>קלף %1 מתוך %2</translation>
    </message>
    <message>
        <source>%1, found: %2</source>
        <translation>%1, נמצא: %2</translation>
    </message>
    <message>
        <source>%1, face down</source>
        <translation>%1, הפוך</translation>
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
        <translation>Twindle! לפעוטות גרסה 1.0</translation>
    </message>
    <message>
        <source>Thank you to every small player who tried it first</source>
        <translation>תודה לכל השחקנים הקטנים שניסו אותו ראשונים</translation>
    </message>
    <message>
        <source>F11: full screen for little hands</source>
        <translation>F11: מסך מלא לידיים קטנות</translation>
    </message>
    <message>
        <source>(free software: GPL 3 or later; pictures: Twemoji)</source>
        <translation>(תוכנה חופשית: GPL 3 ואילך; תמונות: Twemoji)</translation>
    </message>
    <message>
        <source>Twindle is free software under the GNU General Public License, version 3 or any later version. Twemoji graphics: CC-BY 4.0. Fonts: Liberation, SIL Open Font License 1.1. See the README for the full credits.</source>
        <translation>Twindle היא תוכנה חופשית תחת הרישיון הציבורי הכללי של GNU, גרסה 3 או כל גרסה מאוחרת יותר. גרפיקה של Twemoji: CC-BY 4.0. גופנים: Liberation, SIL Open Font License 1.1. כל הקרדיטים נמצאים בקובץ README.</translation>
    </message>
    <message>
        <source>The Twindle team, programmers</source>
        <translation>צוות Twindle, מתכנתים</translation>
    </message>
</context>
<context>
    <name>twindle::AllDoneScreen</name>
    <message>
        <source>All done!</source>
        <translation>סיימנו להיום!</translation>
    </message>
</context>
<context>
    <name>twindle::BoardView</name>
    <message>
        <source>You Did It!</source>
        <translation>הצלחת!</translation>
    </message>
</context>
<context>
    <name>twindle::CardKind</name>
    <message>
        <source>Pictures</source>
        <translation>תמונות</translation>
    </message>
    <message>
        <source>Letters: A and A</source>
        <translation>אותיות: A ו־A</translation>
    </message>
    <message>
        <source>Letters: A and a</source>
        <translation>אותיות: A ו־a</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>תמונות משפחה</translation>
    </message>
    <message>
        <source>By ear: cards alike, told apart by their words</source>
        <translation>לפי השמיעה: קלפים זהים, מובחנים לפי המילים</translation>
    </message>
</context>
<context>
    <name>twindle::CommandLine</name>
    <message>
        <source>Play full screen, locked for a toddler (also F11 in the window). Without --kind or --pairs a setup screen asks the parent first.</source>
        <translation>משחק במסך מלא, נעול בשביל פעוט (גם F11 בחלון). בלי --kind או --pairs, מסך הגדרות שואל קודם את ההורה.</translation>
    </message>
    <message>
        <source>Cards in toddler mode say nothing.</source>
        <translation>הקלפים במצב פעוטות לא מדברים.</translation>
    </message>
    <message>
        <source>Make a family card of the photo, named with --name, its name said as in the WAVE file of --voice.</source>
        <translation>יצירת קלף משפחה מהתמונה, בשם שב־--name, ושמו נשמע כמו בקובץ ה־WAVE של --voice.</translation>
    </message>
    <message>
        <source>The name of the family card to add.</source>
        <translation>שם קלף המשפחה שמוסיפים.</translation>
    </message>
    <message>
        <source>The family card&apos;s name said, a WAVE file.</source>
        <translation>שם קלף המשפחה כשהוא נאמר, קובץ WAVE.</translation>
    </message>
    <message>
        <source>List the family cards, one a line, and end.</source>
        <translation>רשימת קלפי המשפחה, אחד בכל שורה, ויציאה.</translation>
    </message>
    <message>
        <source>Remove the family card of that name.</source>
        <translation>הסרת קלף המשפחה בשם הזה.</translation>
    </message>
    <message>
        <source>Print where the cards of every game stand, in pixels and in twips, and end.</source>
        <translation>הדפסת מקומות הקלפים בכל משחק, בפיקסלים ובטוויפים, ויציאה.</translation>
    </message>
    <message>
        <source>options that choose toddler mode&apos;s game, such as --kind and --pairs, need --toddler</source>
        <translation>אפשרויות שבוחרות את משחק מצב הפעוטות, כמו --kind ו־--pairs, דורשות --toddler</translation>
    </message>
    <message>
        <source>A pairs card game for toddlers.</source>
        <translation>משחק זיכרון של זוגות לפעוטות.</translation>
    </message>
    <message>
        <source>--%1 %2: give %3 to %4%5</source>
        <translation>--%1 %2: יש לתת %3 עד %4%5</translation>
    </message>
    <message>
        <source>, or %1 for no limit</source>
        <translation>, או %1 ללא הגבלה</translation>
    </message>
    <message>
        <source>see twindle --help</source>
        <translation>ראו twindle --help</translation>
    </message>
</context>
<context>
    <name>twindle::GateOverlay</name>
    <message>
        <source>Grown-ups: to leave full screen, type %1 in digits, then press Enter.%2</source>
        <translation>מבוגרים: כדי לצאת ממסך מלא, הקלידו %1 בספרות ולחצו Enter.%2</translation>
    </message>
</context>
<context>
    <name>twindle::GatePad</name>
    <message>
        <source>Back</source>
        <translation>חזרה</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Grown-ups: to leave full screen, tap %1 in digits, then OK.%2</source>
        <translation>מבוגרים: כדי לצאת ממסך מלא, הקישו %1 בספרות ואז אישור.%2</translation>
    </message>
</context>
<context>
    <name>twindle::LanguageOptions</name>
    <message>
        <source>The windows and the parent gate in this language for this run: %1. Without it, the language chosen on the setup screen, else the system&apos;s.</source>
        <translation>החלונות ומנעול ההורים בשפה הזאת, רק הפעם: %1. בלי האפשרות הזאת — השפה שנבחרה במסך ההגדרות, ואם אין — שפת המערכת.</translation>
    </message>
    <message>
        <source>The cards&apos; words in this language for this run: %1. A word with no voice in it, built in or recorded, is silent.</source>
        <translation>מילות הקלפים בשפה הזאת, רק הפעם: %1. מילה שאין לה קול בשפה הזאת, מובנה או מוקלט, נשארת שקטה.</translation>
    </message>
    <message>
        <source>--%1 %2: Twindle has no such language; give one of %3</source>
        <translation>--%1 %2: אין ל־Twindle שפה כזאת; יש לתת אחת מאלה: %3</translation>
    </message>
</context>
<context>
    <name>twindle::LanguagePage</name>
    <message>
        <source>The system&apos;s: %1</source>
        <translation>של המערכת: %1</translation>
    </message>
    <message>
        <source>The same as the screen&apos;s</source>
        <translation>כמו של המסך</translation>
    </message>
    <message>
        <source>Screen and gate:</source>
        <translation>מסך ומנעול:</translation>
    </message>
    <message>
        <source>Cards&apos; words:</source>
        <translation>מילות הקלפים:</translation>
    </message>
    <message>
        <source>A new language shows once you press Start.</source>
        <translation>שפה חדשה מופיעה ברגע שלוחצים על התחלה.</translation>
    </message>
    <message>
        <source>In this language (%1) the cards say their words in Twindle&apos;s own voice, or in yours where you recorded them (Family cards…, then Card words…).</source>
        <translation>בשפה הזאת (%1) הקלפים אומרים את המילים שלהם בקול של Twindle, או בקול שלכם במקום שהקלטתם אותן (קלפי משפחה…, ואז מילות הקלפים…).</translation>
    </message>
    <message>
        <source>Twindle has no voice of its own in this language (%1): the cards say only the words you record (Family cards…, then Card words…) and are silent otherwise.</source>
        <translation>ל־Twindle אין קול משלה בשפה הזאת (%1): הקלפים אומרים רק את המילים שתקליטו (קלפי משפחה…, ואז מילות הקלפים…), ואחרת הם שותקים.</translation>
    </message>
</context>
<context>
    <name>twindle::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;אודות</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>אפ&amp;שרויות</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;התחלה</translation>
    </message>
</context>
<context>
    <name>twindle::OptionsDialog</name>
    <message>
        <source> Options</source>
        <translation> אפשרויות</translation>
    </message>
    <message>
        <source>Cards disappear</source>
        <translation>הקלפים נעלמים</translation>
    </message>
    <message>
        <source>Matching Pair sound</source>
        <translation>צליל לזוג שנמצא</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>twindle::PlayerList</name>
    <message>
        <source>Just me</source>
        <translation>רק אני</translation>
    </message>
    <message numerus="yes">
        <source>%n players taking turns</source>
        <translation>
            <numerusform>%n שחקנים בתורות</numerusform>
            <numerusform>%n שחקנים בתורות</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>twindle::PlayersBand</name>
    <message>
        <source>Playing together</source>
        <translation>משחקים יחד</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>התור של %1</translation>
    </message>
</context>
<context>
    <name>twindle::PlayersPage</name>
    <message>
        <source>Players:</source>
        <translation>שחקנים:</translation>
    </message>
    <message>
        <source>A friendly animal:</source>
        <translation>חיה ידידותית:</translation>
    </message>
    <message>
        <source>Its memory:</source>
        <translation>הזיכרון שלה:</translation>
    </message>
    <message>
        <source>Play together as one team: one colour, no turns</source>
        <translation>לשחק יחד כקבוצה אחת: צבע אחד, בלי תורות</translation>
    </message>
    <message>
        <source>Each player has a colour. A band of that colour around the board shows whose turn it is, and their name is said. A pair found, the same player goes again; a miss, the next player. The pairs found collect by the finder&apos;s picture.</source>
        <translation>לכל שחקן יש צבע. פס בצבע הזה סביב הלוח מראה של מי התור, והשם שלו נאמר. מי שמצא זוג משחק שוב; מי שטעה – התור עובר לשחקן הבא. הזוגות שנמצאו נאספים ליד התמונה של מי שמצא אותם.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>אף אחד</translation>
    </message>
    <message>
        <source>%1 plays too</source>
        <translation>גם %1 משחק</translation>
    </message>
    <message>
        <source>forgets a lot</source>
        <translation>שוכח הרבה</translation>
    </message>
    <message>
        <source>forgets a little</source>
        <translation>שוכח קצת</translation>
    </message>
    <message>
        <source>never forgets</source>
        <translation>אף פעם לא שוכח</translation>
    </message>
</context>
<context>
    <name>twindle::RestartDialog</name>
    <message>
        <source>Start New Game</source>
        <translation>משחק חדש</translation>
    </message>
    <message>
        <source>What kind of cards do you want to match?</source>
        <translation>באילו קלפים רוצים לשחק?</translation>
    </message>
    <message>
        <source>How many cards do you want to match?</source>
        <translation>בכמה קלפים רוצים לשחק?</translation>
    </message>
    <message>
        <source>Start new Game?</source>
        <translation>להתחיל משחק חדש?</translation>
    </message>
    <message>
        <source>You have a game in progress!
Do you want to restart?</source>
        <translation>יש משחק באמצע!
להתחיל מחדש?</translation>
    </message>
</context>
<context>
    <name>twindle::SecondsBox</name>
    <message>
        <source> s</source>
        <translation> שנ׳</translation>
    </message>
</context>
<context>
    <name>twindle::SetupScreen</name>
    <message>
        <source>Toddler mode</source>
        <translation>מצב פעוטות</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>משחק</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>שפה</translation>
    </message>
    <message>
        <source>The game then fills the screen and stays there. To leave it, press Escape and type the number it asks for; on a touch screen, hold a finger on the ring in the top right corner for three seconds and tap the number.</source>
        <translation>המשחק ימלא אז את המסך וישאר בו. כדי לצאת, לוחצים Escape ומקלידים את המספר שהוא מבקש; במסך מגע, מחזיקים אצבע שלוש שניות על הטבעת בפינה הימנית העליונה ומקישים את המספר.</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>קלפים:</translation>
    </message>
    <message>
        <source>Family cards…</source>
        <translation>קלפי משפחה…</translation>
    </message>
    <message>
        <source>Pairs to start with:</source>
        <translation>זוגות בהתחלה:</translation>
    </message>
    <message>
        <source>Grow with the child: a pair more after a good game</source>
        <translation>לגדול עם הילד: זוג נוסף אחרי משחק טוב</translation>
    </message>
    <message>
        <source>The cards say their names</source>
        <translation>הקלפים אומרים את השמות שלהם</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>קול:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>עוצמה:</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>בלי הגבלה</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 דקות</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>זמן משחק:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>קול</translation>
    </message>
    <message>
        <source>sounds</source>
        <translation>צלילים</translation>
    </message>
    <message numerus="yes">
        <source>Family photos: up to %n pairs</source>
        <translation>
            <numerusform>תמונות משפחה: עד %n זוג</numerusform>
            <numerusform>תמונות משפחה: עד %n זוגות</numerusform>
        </translation>
    </message>
    <message>
        <source>Family photos: make two cards or more first</source>
        <translation>תמונות משפחה: קודם צרו שני קלפים או יותר</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>שחקנים</translation>
    </message>
    <message>
        <source>Switches</source>
        <translation>מתגים</translation>
    </message>
    <message>
        <source>These cards are told apart by the words they say: switch the voice on.</source>
        <translation>את הקלפים האלה מבדילים לפי המילים שהם אומרים: הפעילו את הקול.</translation>
    </message>
</context>
<context>
    <name>twindle::SwitchPage</name>
    <message>
        <source>None: the keys, the mouse and the fingers</source>
        <translation>ללא: המקשים, העכבר והאצבעות</translation>
    </message>
    <message>
        <source>One: the focus steps on by itself, the switch turns the card</source>
        <translation>אחד: המיקוד מתקדם מעצמו, המתג הופך את הקלף</translation>
    </message>
    <message>
        <source>Two: switch 1 steps on, switch 2 turns the card</source>
        <translation>שניים: מתג 1 מתקדם, מתג 2 הופך את הקלף</translation>
    </message>
    <message>
        <source>Switches:</source>
        <translation>מתגים:</translation>
    </message>
    <message>
        <source>Step every:</source>
        <translation>התקדמות כל:</translation>
    </message>
    <message>
        <source>Switch 1 sends:</source>
        <translation>מתג 1 שולח:</translation>
    </message>
    <message>
        <source>The key switch 1 sends</source>
        <translation>המקש שמתג 1 שולח</translation>
    </message>
    <message>
        <source>Switch 2 sends:</source>
        <translation>מתג 2 שולח:</translation>
    </message>
    <message>
        <source>The key switch 2 sends</source>
        <translation>המקש שמתג 2 שולח</translation>
    </message>
    <message>
        <source>Ignore a press within:</source>
        <translation>התעלמות מלחיצה תוך:</translation>
    </message>
    <message>
        <source>Learn…</source>
        <translation>למידה…</translation>
    </message>
    <message>
        <source>Then press the switch</source>
        <translation>ואז לחצו על המתג</translation>
    </message>
    <message>
        <source>press the switch now</source>
        <translation>לחצו על המתג עכשיו</translation>
    </message>
    <message>
        <source>Press the switch now.</source>
        <translation>לחצו על המתג עכשיו.</translation>
    </message>
    <message>
        <source>Escape is the grown-ups&apos; way out: it cannot be a switch.</source>
        <translation>Escape הוא היציאה של המבוגרים: הוא לא יכול להיות מתג.</translation>
    </message>
    <message>
        <source>That key cannot be a switch: press Learn and another.</source>
        <translation>המקש הזה לא יכול להיות מתג: לחצו על למידה ועל מקש אחר.</translation>
    </message>
    <message>
        <source>The other switch sends %1 already.</source>
        <translation>המתג האחר כבר שולח %1.</translation>
    </message>
    <message>
        <source>Switch %1 sends %2.</source>
        <translation>מתג %1 שולח %2.</translation>
    </message>
</context>
<context>
    <name>twindle::ToddlerOptions</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 או %2</translation>
    </message>
    <message>
        <source>Toddler mode&apos;s cards: %1.</source>
        <translation>הקלפים של מצב פעוטות: %1.</translation>
    </message>
    <message>
        <source>Toddler mode starts with this many pairs, %1 to %2.</source>
        <translation>מצב פעוטות מתחיל עם מספר הזוגות הזה, %1 עד %2.</translation>
    </message>
    <message>
        <source>The number of pairs stays; without it, it grows with the child.</source>
        <translation>מספר הזוגות נשאר קבוע; בלעדיו הוא גדל עם הילד.</translation>
    </message>
    <message>
        <source>Play time in toddler mode, %1 to %2 minutes; %3 for no limit.</source>
        <translation>זמן המשחק במצב פעוטות, %1 עד %2 דקות; %3 ללא הגבלה.</translation>
    </message>
    <message>
        <source>--kind family: %1 pairs need %1 family cards, and there are %2 (add them with --add-family-card or on the setup screen)</source>
        <translation>--kind family: %1 זוגות צריכים %1 קלפי משפחה, ויש %2 (אפשר להוסיף עם --add-family-card או במסך ההגדרות)</translation>
    </message>
    <message>
        <source>--kind %1: not a kind of cards (%2)</source>
        <translation>--kind %1: זה לא סוג של קלפים (%2)</translation>
    </message>
</context>
<context>
    <name>twindle::VoiceRecorder</name>
    <message>
        <source>There is no microphone.</source>
        <translation>אין מיקרופון.</translation>
    </message>
    <message>
        <source>The microphone does not record in a way Twindle can use.</source>
        <translation>המיקרופון לא מקליט בצורה ש־Twindle יכולה להשתמש בה.</translation>
    </message>
    <message>
        <source>The microphone could not be started.</source>
        <translation>לא ניתן היה להפעיל את המיקרופון.</translation>
    </message>
</context>
<context>
    <name>twindle::family::CropView</name>
    <message>
        <source>Drag the frame, or use the arrow keys, to choose what the card shows; the mouse wheel or + and - make it larger or smaller.</source>
        <translation>גררו את המסגרת, או השתמשו בחצים, כדי לבחור מה הקלף מראה; גלגלת העכבר או + ו־- מגדילים או מקטינים אותה.</translation>
    </message>
    <message>
        <source>What the card shows</source>
        <translation>מה הקלף מראה</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyCommands</name>
    <message>
        <source>%1 family cards, games of up to %2 pairs</source>
        <translation>קלפי משפחה: %1, משחקים של עד %2 זוגות</translation>
    </message>
    <message>
        <source>A new card needs a name: --name NAME.</source>
        <translation>לקלף חדש צריך שם: --name NAME.</translation>
    </message>
    <message>
        <source>Added “%1”: %2.</source>
        <translation>נוסף &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Removed “%1”: %2.</source>
        <translation>הוסר &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Give one of --add-family-card PHOTO --name NAME [--voice WAV], --list-family-cards or --remove-family-card NAME.</source>
        <translation>יש לתת אחת מאלה: --add-family-card PHOTO --name NAME [--voice WAV], --list-family-cards או --remove-family-card NAME.</translation>
    </message>
    <message>
        <source>--name and --voice go with --add-family-card.</source>
        <translation>--name ו־--voice באים עם --add-family-card.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyDeck</name>
    <message>
        <source>There is already a card named “%1”.</source>
        <translation>כבר יש קלף בשם &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is no card named “%1”.</source>
        <translation>אין קלף בשם &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the family cards.</source>
        <translation>Twindle לא הצליחה ליצור את התיקייה %1 לקלפי המשפחה.</translation>
    </message>
    <message>
        <source> Twindle leaves the family cards as they are.</source>
        <translation> Twindle משאירה את קלפי המשפחה כמו שהם.</translation>
    </message>
    <message>
        <source>Twindle could not make the card&apos;s picture from the photo.</source>
        <translation>Twindle לא הצליחה ליצור את תמונת הקלף מהצילום.</translation>
    </message>
    <message>
        <source>The recording is not a card&apos;s voice as Twindle makes it.</source>
        <translation>ההקלטה אינה קול של קלף כפי ש־Twindle יוצרת.</translation>
    </message>
    <message>
        <source>The deck is full: it holds %1 cards.</source>
        <translation>החפיסה מלאה: יש בה %1 קלפים.</translation>
    </message>
    <message>
        <source>Twindle could not save the family cards: %1.</source>
        <translation>Twindle לא הצליחה לשמור את קלפי המשפחה: %1.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>הדיסק מלא</translation>
    </message>
    <message>
        <source>the system did not say why</source>
        <translation>המערכת לא אמרה למה</translation>
    </message>
    <message>
        <source>Another Twindle is changing the family cards; try again in a moment.</source>
        <translation>Twindle אחרת משנה כרגע את קלפי המשפחה; נסו שוב בעוד רגע.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index: %1.</source>
        <translation>Twindle לא הצליחה לקרוא את האינדקס של קלפי המשפחה: %1.</translation>
    </message>
    <message>
        <source>The family cards&apos; index is too large to be one Twindle wrote.</source>
        <translation>האינדקס של קלפי המשפחה גדול מדי מכדי ש־Twindle כתבה אותו.</translation>
    </message>
    <message>
        <source>Twindle could not read the family cards&apos; index.</source>
        <translation>Twindle לא הצליחה לקרוא את האינדקס של קלפי המשפחה.</translation>
    </message>
    <message>
        <source>its picture is missing</source>
        <translation>התמונה שלו חסרה</translation>
    </message>
    <message>
        <source>its picture is damaged</source>
        <translation>התמונה שלו פגומה</translation>
    </message>
    <message>
        <source>its recording is damaged</source>
        <translation>ההקלטה שלו פגומה</translation>
    </message>
    <message>
        <source>its recording is missing</source>
        <translation>ההקלטה שלו חסרה</translation>
    </message>
    <message>
        <source>Line %1 of the family cards&apos; index is skipped: %2</source>
        <translation>שורה %1 באינדקס של קלפי המשפחה מדולגת: %2</translation>
    </message>
    <message>
        <source>an earlier card has the same name</source>
        <translation>לקלף קודם יש אותו שם</translation>
    </message>
    <message>
        <source>“%1” is left out: %2.</source>
        <translation>&quot;%1&quot; נשאר בחוץ: %2.</translation>
    </message>
    <message>
        <source>“%1” is kept silent: %2.</source>
        <translation>&quot;%1&quot; נשאר שקט: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a photo.</source>
        <translation>%1 היא תיקייה, לא תמונה.</translation>
    </message>
    <message>
        <source>%1 is not a photo: it is not an ordinary file.</source>
        <translation>%1 אינו תמונה: זה לא קובץ רגיל.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ריק.</translation>
    </message>
    <message>
        <source>%1 is too large (%2 MB): photos up to %3 MB can be used.</source>
        <translation>%1 גדול מדי (%2 MB): אפשר להשתמש בתמונות של עד %3 MB.</translation>
    </message>
    <message>
        <source>%1 is too big a picture (%2 x %3 pixels): Twindle takes photos of up to %4 million pixels.</source>
        <translation>%1 היא תמונה גדולה מדי (%2 x %3 פיקסלים): Twindle מקבלת תמונות של עד %4 מיליון פיקסלים.</translation>
    </message>
    <message>
        <source>%1 is too small (%2 x %3 pixels): a card needs at least %4 x %5.</source>
        <translation>%1 קטנה מדי (%2 x %3 פיקסלים): קלף צריך לפחות %4 x %5.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>אין קובץ %1.</translation>
    </message>
    <message>
        <source>Twindle may not read %1.</source>
        <translation>אין ל־Twindle הרשאה לקרוא את %1.</translation>
    </message>
    <message>
        <source>Twindle could not read %1.</source>
        <translation>Twindle לא הצליחה לקרוא את %1.</translation>
    </message>
    <message>
        <source>%1 is not a picture Twindle can read.</source>
        <translation>%1 אינו תמונה ש־Twindle יודעת לקרוא.</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short.</source>
        <translation>%1 פגום או קטוע.</translation>
    </message>
    <message>
        <source>The recording&apos;s sample rate (%1 Hz) is not one Twindle takes: it takes %2 to %3 Hz.</source>
        <translation>קצב הדגימה של ההקלטה (%1 Hz) אינו כזה ש־Twindle מקבלת: היא מקבלת %2 עד %3 Hz.</translation>
    </message>
    <message>
        <source>Twindle could not convert the recording.</source>
        <translation>Twindle לא הצליחה להמיר את ההקלטה.</translation>
    </message>
    <message>
        <source>The recording is silent.</source>
        <translation>ההקלטה שקטה.</translation>
    </message>
    <message>
        <source>The recording lasts %1 s without the silence around it: a name may last up to %2 s.</source>
        <translation>ההקלטה נמשכת %1 שניות בלי השקט מסביב: שם יכול להימשך עד %2 שניות.</translation>
    </message>
    <message>
        <source>There is no recording %1.</source>
        <translation>אין הקלטה %1.</translation>
    </message>
    <message>
        <source>%1 is too large for a name (%2 MB).</source>
        <translation>%1 גדול מדי בשביל שם (%2 MB).</translation>
    </message>
    <message>
        <source>%1 is not a WAVE recording Twindle can read (8 or 16-bit PCM).</source>
        <translation>%1 אינו הקלטת WAVE ש־Twindle יודעת לקרוא (PCM של 8 או 16 סיביות).</translation>
    </message>
    <message>
        <source>Twindle&apos;s part that reads photos and recordings (lib/twindle/twindle_media.so) is missing; installing Twindle again brings it back</source>
        <translation>החלק של Twindle שקורא תמונות והקלטות (lib/twindle/twindle_media.so) חסר; התקנה מחדש של Twindle תחזיר אותו</translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2.</source>
        <translation>לא ניתן לבדוק את %1: %2.</translation>
    </message>
</context>
<context>
    <name>twindle::family::FamilyEditor</name>
    <message>
        <source>No photos yet: add some to make family cards.</source>
        <translation>עדיין אין תמונות: הוסיפו כמה כדי ליצור קלפי משפחה.</translation>
    </message>
    <message>
        <source>1 photo: games of up to 1 pair</source>
        <translation>תמונה אחת: משחקים של עד זוג אחד</translation>
    </message>
    <message numerus="yes">
        <source>%n photos: games of up to %1 pairs</source>
        <translation>
            <numerusform>%n תמונה: משחקים של עד %1 זוגות</numerusform>
            <numerusform>%n תמונות: משחקים של עד %1 זוגות</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose the p&amp;hoto again...</source>
        <translation>בחירת ה&amp;תמונה מחדש...</translation>
    </message>
    <message>
        <source>Re&amp;move card</source>
        <translation>&amp;הסרת הקלף</translation>
    </message>
    <message>
        <source>Family photos</source>
        <translation>תמונות משפחה</translation>
    </message>
    <message>
        <source>Family cards</source>
        <translation>קלפי משפחה</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;שם:</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation>קול:</translation>
    </message>
    <message>
        <source>&amp;Add photos...</source>
        <translation>הוס&amp;פת תמונות...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;סגירה</translation>
    </message>
    <message>
        <source>Card &amp;words...</source>
        <translation>&amp;מילות הקלפים...</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>הוספת תמונות</translation>
    </message>
    <message>
        <source>Photos (%1)</source>
        <translation>תמונות (%1)</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>תמונה</translation>
    </message>
    <message>
        <source>Choose the photo of “%1”</source>
        <translation>בחירת התמונה של &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Remove card</source>
        <translation>הסרת קלף</translation>
    </message>
    <message>
        <source>Remove “%1” from the family cards? The photo itself stays where it is.</source>
        <translation>להסיר את &quot;%1&quot; מקלפי המשפחה? התמונה עצמה נשארת במקומה.</translation>
    </message>
</context>
<context>
    <name>twindle::family::VoicePanel</name>
    <message>
        <source>&amp;Play</source>
        <translation>השמ&amp;עה</translation>
    </message>
    <message>
        <source>&amp;Silent</source>
        <translation>ש&amp;קט</translation>
    </message>
    <message>
        <source>Say the name after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>אמרו את השם אחרי הלחיצה; ההקלטה נעצרת אחרי %1 שניות, או כשלוחצים שוב.</translation>
    </message>
    <message>
        <source>Say the word after pressing; the recording stops after %1 seconds, or when you press again.</source>
        <translation>אמרו את המילה אחרי הלחיצה; ההקלטה נעצרת אחרי %1 שניות, או כשלוחצים שוב.</translation>
    </message>
    <message>
        <source>&amp;Record again</source>
        <translation>הק&amp;לטה חוזרת</translation>
    </message>
    <message>
        <source>Recording needs Twindle&apos;s sound module, which is not installed.</source>
        <translation>להקלטה Twindle צריכה את מודול הקול שלה, והוא לא מותקן.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>ע&amp;צירה</translation>
    </message>
    <message>
        <source>Recording: say the name now (up to %1 seconds).</source>
        <translation>מקליטים: אמרו את השם עכשיו (עד %1 שניות).</translation>
    </message>
    <message>
        <source>Recording: say the word now (up to %1 seconds).</source>
        <translation>מקליטים: אמרו את המילה עכשיו (עד %1 שניות).</translation>
    </message>
    <message>
        <source>&amp;Record the name</source>
        <translation>הק&amp;לטת השם</translation>
    </message>
    <message>
        <source>&amp;Record the word</source>
        <translation>הק&amp;לטת המילה</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecorder</name>
    <message>
        <source>The cards&apos; words: %1</source>
        <translation>מילות הקלפים: %1</translation>
    </message>
    <message>
        <source>Pick a picture, a letter or a cheer, then record how you say it. In this language the cards say what you record here, in place of Twindle&apos;s own voice.</source>
        <translation>בחרו תמונה, אות או קריאת עידוד, ואז הקליטו איך אתם אומרים אותה. בשפה הזאת הקלפים יגידו את ההקלטה שלכם במקום הקול של Twindle.</translation>
    </message>
    <message>
        <source>The cards&apos; words</source>
        <translation>מילות הקלפים</translation>
    </message>
    <message>
        <source>You did it!</source>
        <translation>הצלחת!</translation>
    </message>
    <message>
        <source>All done!</source>
        <translation>סיימנו להיום!</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>מוקלט</translation>
    </message>
    <message>
        <source>%1 (recorded)</source>
        <translation>%1 (מוקלט)</translation>
    </message>
</context>
<context>
    <name>twindle::family::WordRecordings</name>
    <message>
        <source>Twindle could not read the index of the recorded words in %1.</source>
        <translation>Twindle לא הצליחה לקרוא את האינדקס של המילים המוקלטות ב־%1.</translation>
    </message>
    <message>
        <source>Line %1 of the recorded words&apos; index is skipped: %2</source>
        <translation>שורה %1 באינדקס של המילים המוקלטות מדולגת: %2</translation>
    </message>
    <message>
        <source>The recorded word %1 (language %2) is skipped: its recording is missing or damaged.</source>
        <translation>המילה המוקלטת %1 (שפה %2) מדולגת: ההקלטה שלה חסרה או פגומה.</translation>
    </message>
    <message>
        <source>The recording is not a word as Twindle makes it.</source>
        <translation>ההקלטה אינה מילה כפי ש־Twindle יוצרת.</translation>
    </message>
    <message>
        <source>There are already %1 recorded words.</source>
        <translation>כבר יש %1 מילים מוקלטות.</translation>
    </message>
    <message>
        <source>Twindle could not make the folder %1 for the recorded words.</source>
        <translation>Twindle לא הצליחה ליצור את התיקייה %1 למילים המוקלטות.</translation>
    </message>
</context>
</TS>
