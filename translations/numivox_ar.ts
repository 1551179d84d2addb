<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="en">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>%1 equals %2</source>
        <translation>%1 يُساوي %2</translation>
    </message>
    <message>
        <source>flash card</source>
        <translation>البِطاقة</translation>
    </message>
    <message>
        <source>Shows the answer, or the next problem</source>
        <translation>تُظهِر الجَواب، أو المَسألةَ التّالية</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>الجَواب %1</translation>
    </message>
    <message>
        <source>Choose this answer</source>
        <translation>اِختَر هذا الجَواب</translation>
    </message>
    <message>
        <source>Play with this operation</source>
        <translation>اِلعَب بهذه العَمَليّة</translation>
    </message>
    <message>
        <source>Play this game</source>
        <translation>اِلعَب هذه اللُّعبة</translation>
    </message>
    <message>
        <source>speech on</source>
        <translation>الصَّوت يَعمَل</translation>
    </message>
    <message>
        <source>speech off</source>
        <translation>الصَّوت مُطفَأ</translation>
    </message>
    <message>
        <source>Switches speech off</source>
        <translation>يُطفِئ الصَّوت</translation>
    </message>
    <message>
        <source>Switches speech on</source>
        <translation>يُشَغِّل الصَّوت</translation>
    </message>
    <message>
        <source>seconds to wait</source>
        <translation>ثَواني الاِنتِظار</translation>
    </message>
    <message>
        <source>How many seconds until the answer shows</source>
        <translation>كم ثانيةً حتّى يَظهَرَ الجَواب</translation>
    </message>
    <message>
        <source>smallest number</source>
        <translation>أصغَر عَدَد</translation>
    </message>
    <message>
        <source>largest number</source>
        <translation>أكبَر عَدَد</translation>
    </message>
    <message>
        <source>The numbers on the cards go from the smallest to the largest number</source>
        <translation>أعدادُ البِطاقات مِن أصغَرِ عَدَدٍ إلى أكبَرِ عَدَد</translation>
    </message>
    <message>
        <source>Tavika at the chalkboard</source>
        <translation>تافيكا عِندَ السَّبّورة</translation>
    </message>
    <message>
        <source>Tavika says hello</source>
        <translation>تافيكا تَقولُ مَرحَبًا</translation>
    </message>
    <message>
        <source>Opens the web page in the browser</source>
        <translation>يَفتَحُ صَفحةَ الإنترنت في المُتَصَفِّح</translation>
    </message>
    <message>
        <source>Numivox keys</source>
        <translation>مَفاتيحُ نوميفوكس</translation>
    </message>
    <message>
        <source>Space or Enter: the card. 1 to 6: the answers. Plus, minus, times, divided by: the operations. %1, %2, %3: the modes. %4: speech on or off. Control Q: close.</source>
        <extracomment>%1, %2, %3 are the keys of the Standard, Interactive and Timer buttons, %4 the key of the loudspeaker, as the translation chooses them.</extracomment>
        <translation>المَسافة أوِ الإدخال: البِطاقة. مِن ١ إلى ٦: الأجوِبة. زائِد، ناقِص، ضَرب، تَقسيم: العَمَليّات. %1، %2، %3: الألعاب. %4: الصَّوت. كونترول Q: إغلاق.</translation>
    </message>
    <message>
        <source>Tab: go to the next button. Space or Enter: press it. F1: hear the keys again.</source>
        <translation>تاب: إلى الزِّرِّ التّالي. المَسافة أوِ الإدخال: اِضغَطه. F1: اِسمَعِ المَفاتيحَ مَرّةً أُخرى.</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>المِفتاح: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>المَفاتيح: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>smallest and largest number</source>
        <translation>أصغَر عَدَد وأكبَر عَدَد</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said in from 1 to 6</comment>
        <extracomment>Never shown. How the voice must say the numbers of &quot;1 to 6&quot; in the key help, where it reads the digits in the wrong form: ICU&apos;s rule set of the form (&quot;%spellout-cardinal-masculine-genitive&quot; for Russian &quot;от одного до шести&quot;), or number and word separated by commas where ICU has none (&quot;1 одного, 6 шести&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>-</source>
        <comment>fonts of the language&apos;s letters</comment>
        <extracomment>Not shown: the font families (comma-separated, best first) that draw the language&apos;s letters as its children read them, where Comic Neue has none; &quot;-&quot; for none.</extracomment>
        <translation>DejaVu Sans</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>S</source>
        <comment>key of the Standard button</comment>
        <extracomment>The one letter the child presses for the Standard button, best the initial of its caption. The four letters of the buttons and the loudspeaker must differ from each other and from X (multiplication), and be keys of the language&apos;s keyboard.</extracomment>
        <translation>ع</translation>
    </message>
    <message>
        <source>I</source>
        <comment>key of the Interactive button</comment>
        <extracomment>The one letter the child presses for the Interactive button (see the Standard key).</extracomment>
        <translation>خ</translation>
    </message>
    <message>
        <source>T</source>
        <comment>key of the Timer button</comment>
        <extracomment>The one letter the child presses for the Timer button (see the Standard key).</extracomment>
        <translation>س</translation>
    </message>
    <message>
        <source>M</source>
        <comment>key of the loudspeaker</comment>
        <extracomment>The one letter the child presses to switch speech off and on at the loudspeaker (see the Standard key).</extracomment>
        <translation>ص</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>المَسافة</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>The main Enter key; the same name as the keypad&apos;s Enter is fine.</extracomment>
        <translation>الإدخال</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the keypad.</extracomment>
        <translation>الإدخال</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <source>0123456789</source>
        <extracomment>Not shown: the ten digits, 0 to 9, a teacher of the language writes sums with on paper at school (&quot;٠١٢٣٤٥٦٧٨٩&quot;). The card, the possible answers and the number lists show them.</extracomment>
        <translation>٠١٢٣٤٥٦٧٨٩</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>click flashcard</source>
        <translation>اِضغَط على البِطاقَةِ</translation>
    </message>
    <message>
        <source>click answer to the right =====&gt;</source>
        <translation>اِضغَط على جَواب ←</translation>
    </message>
    <message numerus="yes">
        <source>waiting %1 seconds </source>
        <extracomment>Status line under the card while a problem waits; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>اِنتَظِر %1 ثانية</numerusform>
            <numerusform>اِنتَظِر %1 ثانية</numerusform>
            <numerusform>اِنتَظِر %1 ثانيتين</numerusform>
            <numerusform>اِنتَظِر %1 ثَوانٍ</numerusform>
            <numerusform>اِنتَظِر %1 ثانية</numerusform>
            <numerusform>اِنتَظِر %1 ثانية</numerusform>
        </translation>
    </message>
    <message>
        <source>welcome to numivox, standard mode. click on flashcard to begin</source>
        <translation>أهلًا بِكَ في نوميفوكس، اللُّعْبَةُ العادِيَّةُ. اِضغَط على البِطاقَةِ لِتَبدَأ</translation>
    </message>
    <message>
        <source>standard mode</source>
        <translation>اللُّعْبَةُ العادِيَّةُ</translation>
    </message>
    <message>
        <source>interactive mode</source>
        <translation>لُعْبَةُ الاِخْتِيارِ</translation>
    </message>
    <message>
        <source>click possible answers to the right</source>
        <translation>اِضغَط على الأَجْوِبَةِ على اليَسار</translation>
    </message>
    <message>
        <source>first choose a timer value in seconds</source>
        <translation>اِختَر أَوَّلًا عَدَدَ الثَّواني</translation>
    </message>
    <message>
        <source>timer mode</source>
        <translation>لُعْبَةُ السّاعَةِ</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said before seconds</comment>
        <extracomment>Never shown. How the voice must say the numbers before &quot;seconds&quot;, where it reads the digits in the wrong form for that noun: ICU&apos;s rule set of the form (&quot;%spellout-cardinal-feminine&quot;), or number and word separated by commas where ICU has none (&quot;1 jedna, 2 dwie&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds.</source>
        <extracomment>Said after a waiting time was chosen; %1 is the number of seconds, or its word.</extracomment>
        <translation>
            <numerusform>%1 ثانِيَةً.</numerusform>
            <numerusform>%1 ثانِيَةٌ.</numerusform>
            <numerusform>%1 ثانِيَتانِ.</numerusform>
            <numerusform>%1 ثَوانٍ.</numerusform>
            <numerusform>%1 ثانِيَةً.</numerusform>
            <numerusform>%1 ثانِيَةٍ.</numerusform>
        </translation>
    </message>
    <message>
        <source>click flash card for answer</source>
        <translation>اِضغَط على البِطاقَةِ لِتَرى الجَواب</translation>
    </message>
    <message>
        <source>click flash card to continue</source>
        <translation>اِضغَط على البِطاقَةِ لِنُكمِل</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 زائِد %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 ناقِص %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 ضَرب %2</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said after divided by</comment>
        <extracomment>Never shown. How the voice must say the numbers after &quot;divided by&quot;, where it reads the digits in the wrong form: ICU&apos;s rule set of the form, or number and word separated by commas where ICU has none (Czech &quot;2 dvěma, 3 třemi, 20 dvaceti&quot;: 24 is composed &quot;dvaceti čtyřmi&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 تَقسيم %2</translation>
    </message>
    <message>
        <source>click on correct answer to the right</source>
        <translation>اِضغَط على الجَوابِ الصَّحيحِ على اليَسار</translation>
    </message>
    <message>
        <source>wrong answer, try again</source>
        <translation>جَوابٌ خَطَأ، حاوِل مَرّةً أُخرى</translation>
    </message>
    <message>
        <source>the minimum number is now set to %1</source>
        <translation>أصغَرُ عَدَدٍ الآنَ هو %1</translation>
    </message>
    <message>
        <source>the maximum number is now set to %1</source>
        <translation>أكبَرُ عَدَدٍ الآنَ هو %1</translation>
    </message>
    <message>
        <source>ut,oh, the minimum number must be less than or equal to the maximum number  </source>
        <extracomment>The two blanks at the end belong to the English phrase; a translation needs none.</extracomment>
        <translation>أوه! يَجِبُ أن يَكونَ أصغَرُ عَدَدٍ أقَلَّ مِن أكبَرِ عَدَد، أو مُساوِيًا لَه</translation>
    </message>
    <message>
        <source>tavika  writes, 1 plus 1 equals 2. is tavika, correct?</source>
        <extracomment>Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.</extracomment>
        <translation>تافيكا تَكتُب: ١ زائِد ١ يُساوي ٢. هل تافيكا على حَقّ؟</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>الألعاب</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>اِختَر</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>ساعة</translation>
    </message>
    <message>
        <source> timer (secs)</source>
        <translation> السّاعة (ثَوانٍ)</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>الجَمْعُ</translation>
    </message>
    <message>
        <source>Min/Max Number</source>
        <translation>أصغَر/أكبَر عَدَد</translation>
    </message>
    <message>
        <source>Tavika writes ...</source>
        <translation>تافيكا تَكتُب ...</translation>
    </message>
    <message>
        <source>possible answers</source>
        <translation>الأَجْوِبَة</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>الطَّرْحُ</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>الضَّرْبُ</translation>
    </message>
    <message>
        <source>division</source>
        <translation>القِسْمَةُ</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not shown: &quot;RTL&quot; for a language read from right to left (the whole window is then mirrored), &quot;LTR&quot; otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>left</source>
        <extracomment>Not shown: the side of the numbers a teacher of the language writes the operation sign on, on paper at school: &quot;left&quot; (as in English) or &quot;right&quot;. The rule line goes under both.</extracomment>
        <translation>right</translation>
    </message>
</context>
</TS>
