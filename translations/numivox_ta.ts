<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN" sourcelanguage="en">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>%1 equals %2</source>
        <translation>%1 சமம் %2</translation>
    </message>
    <message>
        <source>flash card</source>
        <translation>அட்டை</translation>
    </message>
    <message>
        <source>Shows the answer, or the next problem</source>
        <translation>விடையை அல்லது அடுத்த கணக்கைக் காட்டும்</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>விடை %1</translation>
    </message>
    <message>
        <source>Choose this answer</source>
        <translation>இந்த விடையைத் தேர்ந்தெடு</translation>
    </message>
    <message>
        <source>Play with this operation</source>
        <translation>இந்த வகைக் கணக்குகளைச் செய்</translation>
    </message>
    <message>
        <source>Play this game</source>
        <translation>இந்த விளையாட்டைத் தேர்ந்தெடு</translation>
    </message>
    <message>
        <source>speech on</source>
        <translation>ஒலி உண்டு</translation>
    </message>
    <message>
        <source>speech off</source>
        <translation>ஒலி இல்லை</translation>
    </message>
    <message>
        <source>Switches speech off</source>
        <translation>ஒலியை நிறுத்தும்</translation>
    </message>
    <message>
        <source>Switches speech on</source>
        <translation>ஒலியைத் தொடங்கும்</translation>
    </message>
    <message>
        <source>seconds to wait</source>
        <translation>காத்திருக்கும் விநாடிகள்</translation>
    </message>
    <message>
        <source>How many seconds until the answer shows</source>
        <translation>எத்தனை விநாடிகளில் விடை தெரியும்</translation>
    </message>
    <message>
        <source>smallest number</source>
        <translation>மிகச் சிறிய எண்</translation>
    </message>
    <message>
        <source>largest number</source>
        <translation>மிகப் பெரிய எண்</translation>
    </message>
    <message>
        <source>The numbers on the cards go from the smallest to the largest number</source>
        <translation>அட்டைகளில் உள்ள எண்கள் மிகச் சிறிய எண்ணிலிருந்து மிகப் பெரிய எண் வரை</translation>
    </message>
    <message>
        <source>Tavika at the chalkboard</source>
        <translation>கரும்பலகை அருகே டாவிகா</translation>
    </message>
    <message>
        <source>Tavika says hello</source>
        <translation>டாவிகா வணக்கம் சொல்கிறாள்</translation>
    </message>
    <message>
        <source>Opens the web page in the browser</source>
        <translation>உலாவியில் இணையப் பக்கத்தைத் திறக்கும்</translation>
    </message>
    <message>
        <source>Numivox keys</source>
        <translation>Numivox விசைகள்</translation>
    </message>
    <message>
        <source>Space or Enter: the card. 1 to 6: the answers. Plus, minus, times, divided by: the operations. %1, %2, %3: the modes. %4: speech on or off. Control Q: close.</source>
        <extracomment>%1, %2, %3 are the keys of the Standard, Interactive and Timer buttons, %4 the key of the loudspeaker, as the translation chooses them.</extracomment>
        <translation>ஸ்பேஸ் அல்லது என்டர்: அட்டை. 1 முதல் 6 வரை: விடைகள். கூட்டல், கழித்தல், பெருக்கல், வகுத்தல்: கணக்கு வகைகள். %1, %2, %3: விளையாட்டுகள். %4: ஒலி உண்டு அல்லது இல்லை. கண்ட்ரோல் Q: மூடு.</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said in from 1 to 6</comment>
        <extracomment>Never shown. How the voice must say the numbers of &quot;1 to 6&quot; in the key help, where it reads the digits in the wrong form: ICU&apos;s rule set of the form (&quot;%spellout-cardinal-masculine-genitive&quot; for Russian &quot;от одного до шести&quot;), or number and word separated by commas where ICU has none (&quot;1 одного, 6 шести&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>Tab: go to the next button. Space or Enter: press it. F1: hear the keys again.</source>
        <translation>டேப்: அடுத்த பொத்தானுக்குப் போ. ஸ்பேஸ் அல்லது என்டர்: அதை அழுத்து. F1: விசைகளை மீண்டும் கேள்.</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>விசை: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>விசைகள்: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>smallest and largest number</source>
        <translation>மிகச் சிறிய எண்ணும் மிகப் பெரிய எண்ணும்</translation>
    </message>
</context>
<context>
    <name>Fonts</name>
    <message>
        <source>-</source>
        <comment>fonts of the language&apos;s letters</comment>
        <extracomment>Not shown: the font families (comma-separated, best first) that draw the language&apos;s letters as its children read them, where Comic Neue has none; &quot;-&quot; for none.</extracomment>
        <translation>-</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>S</source>
        <comment>key of the Standard button</comment>
        <extracomment>The one letter the child presses for the Standard button, best the initial of its caption. The four letters of the buttons and the loudspeaker must differ from each other and from X (multiplication), and be keys of the language&apos;s keyboard.</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>I</source>
        <comment>key of the Interactive button</comment>
        <extracomment>The one letter the child presses for the Interactive button (see the Standard key).</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>T</source>
        <comment>key of the Timer button</comment>
        <extracomment>The one letter the child presses for the Timer button (see the Standard key).</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>M</source>
        <comment>key of the loudspeaker</comment>
        <extracomment>The one letter the child presses to switch speech off and on at the loudspeaker (see the Standard key).</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>ஸ்பேஸ்</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>The main Enter key; the same name as the keypad&apos;s Enter is fine.</extracomment>
        <translation>என்டர்</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the keypad.</extracomment>
        <translation>என்டர்</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <source>0123456789</source>
        <extracomment>Not shown: the ten digits, 0 to 9, a teacher of the language writes sums with on paper at school (&quot;٠١٢٣٤٥٦٧٨٩&quot;). The card, the possible answers and the number lists show them.</extracomment>
        <translation>0123456789</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>click flashcard</source>
        <translation>அட்டையை அழுத்து</translation>
    </message>
    <message>
        <source>click answer to the right =====&gt;</source>
        <translation>விடையை அழுத்து =====&gt;</translation>
    </message>
    <message numerus="yes">
        <source>waiting %1 seconds </source>
        <extracomment>Status line under the card while a problem waits; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>%1 விநாடி காத்திரு </numerusform>
            <numerusform>%1 விநாடிகள் காத்திரு </numerusform>
        </translation>
    </message>
    <message>
        <source>welcome to numivox, standard mode. click on flashcard to begin</source>
        <translation>வணக்கம்! இது நுமிவாக்ஸ். சாதாரண விளையாட்டு. தொடங்க அட்டையை அழுத்து.</translation>
    </message>
    <message>
        <source>standard mode</source>
        <translation>சாதாரண விளையாட்டு</translation>
    </message>
    <message>
        <source>interactive mode</source>
        <translation>தேர்வு விளையாட்டு</translation>
    </message>
    <message>
        <source>click possible answers to the right</source>
        <translation>வலப்பக்கம் ஒரு விடையை அழுத்து.</translation>
    </message>
    <message>
        <source>first choose a timer value in seconds</source>
        <translation>முதலில் எத்தனை விநாடிகள் என்று தேர்ந்தெடு.</translation>
    </message>
    <message>
        <source>timer mode</source>
        <translation>கடிகார விளையாட்டு</translation>
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
            <numerusform>%1 விநாடி.</numerusform>
            <numerusform>%1 விநாடிகள்.</numerusform>
        </translation>
    </message>
    <message>
        <source>click flash card for answer</source>
        <translation>விடையைப் பார்க்க அட்டையை அழுத்து.</translation>
    </message>
    <message>
        <source>click flash card to continue</source>
        <translation>தொடர்ந்து விளையாட அட்டையை அழுத்து.</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 கூட்டல் %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 கழித்தல் %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 பெருக்கல் %2</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said after divided by</comment>
        <extracomment>Never shown. How the voice must say the numbers after &quot;divided by&quot;, where it reads the digits in the wrong form: ICU&apos;s rule set of the form, or number and word separated by commas where ICU has none (Czech &quot;2 dvěma, 3 třemi, 20 dvaceti&quot;: 24 is composed &quot;dvaceti čtyřmi&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 வகுத்தல் %2</translation>
    </message>
    <message>
        <source>click on correct answer to the right</source>
        <translation>வலப்பக்கம் சரியான விடையை அழுத்து.</translation>
    </message>
    <message>
        <source>wrong answer, try again</source>
        <translation>அச்சச்சோ, இது தவறு. மீண்டும் முயற்சி செய்!</translation>
    </message>
    <message>
        <source>the minimum number is now set to %1</source>
        <translation>இப்போது மிகச் சிறிய எண் %1.</translation>
    </message>
    <message>
        <source>the maximum number is now set to %1</source>
        <translation>இப்போது மிகப் பெரிய எண் %1.</translation>
    </message>
    <message>
        <source>ut,oh, the minimum number must be less than or equal to the maximum number  </source>
        <extracomment>The two blanks at the end belong to the English phrase; a translation needs none.</extracomment>
        <translation>அச்சச்சோ! மிகச் சிறிய எண் மிகப் பெரிய எண்ணை விடப் பெரியதாக இருக்கக் கூடாது.</translation>
    </message>
    <message>
        <source>tavika  writes, 1 plus 1 equals 2. is tavika, correct?</source>
        <extracomment>Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.</extracomment>
        <translation>டாவிகா எழுதுகிறாள்: 1 கூட்டல் 1 சமம் 2. டாவிகா சரியாக எழுதினாளா?</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>வகை</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>தேர்வு</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>சாதாரண</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>கடிகாரம்</translation>
    </message>
    <message>
        <source> timer (secs)</source>
        <translation> விநாடி</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>கூட்டல்</translation>
    </message>
    <message>
        <source>Min/Max Number</source>
        <translation>எண்கள்</translation>
    </message>
    <message>
        <source>Tavika writes ...</source>
        <translation>டாவிகா எழுதுகிறாள் ...</translation>
    </message>
    <message>
        <source>possible answers</source>
        <translation>எது சரி?</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>கழித்தல்</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>பெருக்கல்</translation>
    </message>
    <message>
        <source>division</source>
        <translation>வகுத்தல்</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not shown: &quot;RTL&quot; for a language read from right to left (the whole window is then mirrored), &quot;LTR&quot; otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>left</source>
        <extracomment>Not shown: the side of the numbers a teacher of the language writes the operation sign on, on paper at school: &quot;left&quot; (as in English) or &quot;right&quot;. The rule line goes under both.</extracomment>
        <translation>left</translation>
    </message>
</context>
</TS>
