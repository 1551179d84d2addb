<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>%1 equals %2</source>
        <translation>%1 je %2</translation>
    </message>
    <message>
        <source>flash card</source>
        <translation>kartička</translation>
    </message>
    <message>
        <source>Shows the answer, or the next problem</source>
        <translation>Ukáže výsledek nebo další příklad</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>odpověď %1</translation>
    </message>
    <message>
        <source>Choose this answer</source>
        <translation>Vyber tuhle odpověď</translation>
    </message>
    <message>
        <source>Play with this operation</source>
        <translation>Počítej tyhle příklady</translation>
    </message>
    <message>
        <source>Play this game</source>
        <translation>Vyber tuhle hru</translation>
    </message>
    <message>
        <source>speech on</source>
        <translation>zvuk zapnutý</translation>
    </message>
    <message>
        <source>speech off</source>
        <translation>zvuk vypnutý</translation>
    </message>
    <message>
        <source>Switches speech off</source>
        <translation>Vypne zvuk</translation>
    </message>
    <message>
        <source>Switches speech on</source>
        <translation>Zapne zvuk</translation>
    </message>
    <message>
        <source>seconds to wait</source>
        <translation>kolik sekund čekat</translation>
    </message>
    <message>
        <source>How many seconds until the answer shows</source>
        <translation>Za kolik sekund se ukáže odpověď</translation>
    </message>
    <message>
        <source>smallest number</source>
        <translation>nejmenší číslo</translation>
    </message>
    <message>
        <source>largest number</source>
        <translation>největší číslo</translation>
    </message>
    <message>
        <source>The numbers on the cards go from the smallest to the largest number</source>
        <translation>Čísla na kartičkách jsou od nejmenšího do největšího</translation>
    </message>
    <message>
        <source>Tavika at the chalkboard</source>
        <translation>Tavika u tabule</translation>
    </message>
    <message>
        <source>Tavika says hello</source>
        <translation>Tavika říká ahoj</translation>
    </message>
    <message>
        <source>Opens the web page in the browser</source>
        <translation>Otevře webovou stránku v prohlížeči</translation>
    </message>
    <message>
        <source>Numivox keys</source>
        <translation>Klávesy Numivoxu</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Klávesa: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Klávesy: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Space or Enter: the card. 1 to 6: the answers. Plus, minus, times, divided by: the operations. %1, %2, %3: the modes. %4: speech on or off. Control Q: close.</source>
        <extracomment>%1, %2, %3 are the keys of the Standard, Interactive and Timer buttons, %4 the key of the loudspeaker, as the translation chooses them.</extracomment>
        <translation>Mezerník nebo Enter: kartička. 1 až 6: odpovědi. Plus, minus, krát, děleno: druhy příkladů. %1, %2, %3: hry. %4: zvuk zapnout nebo vypnout. Ctrl Q: zavřít.</translation>
    </message>
    <message>
        <source>Tab: go to the next button. Space or Enter: press it. F1: hear the keys again.</source>
        <translation>Tabulátor: jdi na další tlačítko. Mezerník nebo Enter: zmáčkni ho. F1: poslechni si klávesy znovu.</translation>
    </message>
    <message>
        <source>smallest and largest number</source>
        <translation>nejmenší a největší číslo</translation>
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
        <translation>-</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>S</source>
        <comment>key of the Standard button</comment>
        <extracomment>The one letter the child presses for the Standard button, best the initial of its caption. The four letters of the buttons and the loudspeaker must differ from each other and from X (multiplication), and be keys of the language&apos;s keyboard.</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>I</source>
        <comment>key of the Interactive button</comment>
        <extracomment>The one letter the child presses for the Interactive button (see the Standard key).</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>T</source>
        <comment>key of the Timer button</comment>
        <extracomment>The one letter the child presses for the Timer button (see the Standard key).</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>M</source>
        <comment>key of the loudspeaker</comment>
        <extracomment>The one letter the child presses to switch speech off and on at the loudspeaker (see the Standard key).</extracomment>
        <translation>Z</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mezerník</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>The main Enter key; the same name as the keypad&apos;s Enter is fine.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the keypad.</extracomment>
        <translation>Enter</translation>
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
        <translation>klikni na kartičku</translation>
    </message>
    <message>
        <source>click answer to the right =====&gt;</source>
        <translation>vyber odpověď =====&gt;</translation>
    </message>
    <message numerus="yes">
        <source>waiting %1 seconds </source>
        <extracomment>Status line under the card while a problem waits; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>čekáme %1 sekundu </numerusform>
            <numerusform>čekáme %1 sekundy </numerusform>
            <numerusform>čekáme %1 sekund </numerusform>
        </translation>
    </message>
    <message>
        <source>welcome to numivox, standard mode. click on flashcard to begin</source>
        <translation>Ahoj, tady Numivox! Obyčejná hra. Klikni na kartičku a začneme.</translation>
    </message>
    <message>
        <source>standard mode</source>
        <translation>Obyčejná hra</translation>
    </message>
    <message>
        <source>interactive mode</source>
        <translation>Hra s výběrem</translation>
    </message>
    <message>
        <source>click possible answers to the right</source>
        <translation>Klikni na jednu z odpovědí vpravo.</translation>
    </message>
    <message>
        <source>first choose a timer value in seconds</source>
        <translation>Nejdřív vyber, kolik sekund chceš.</translation>
    </message>
    <message>
        <source>timer mode</source>
        <translation>Hra na čas</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said before seconds</comment>
        <extracomment>Never shown. How the voice must say the numbers before &quot;seconds&quot;, where it reads the digits in the wrong form for that noun: ICU&apos;s rule set of the form (&quot;%spellout-cardinal-feminine&quot;), or number and word separated by commas where ICU has none (&quot;1 jedna, 2 dwie&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>%spellout-cardinal-feminine</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds.</source>
        <extracomment>Said after a waiting time was chosen; %1 is the number of seconds, or its word.</extracomment>
        <translation>
            <numerusform>%1 sekunda.</numerusform>
            <numerusform>%1 sekundy.</numerusform>
            <numerusform>%1 sekund.</numerusform>
        </translation>
    </message>
    <message>
        <source>click flash card for answer</source>
        <translation>Klikni na kartičku a uvidíš odpověď.</translation>
    </message>
    <message>
        <source>click flash card to continue</source>
        <translation>Klikni na kartičku a hrajeme dál.</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 minus %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 krát %2</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said after divided by</comment>
        <extracomment>Never shown. How the voice must say the numbers after &quot;divided by&quot;, where it reads the digits in the wrong form: ICU&apos;s rule set of the form, or number and word separated by commas where ICU has none (Czech &quot;2 dvěma, 3 třemi, 20 dvaceti&quot;: 24 is composed &quot;dvaceti čtyřmi&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>1 jednou, 2 dvěma, 3 třemi, 4 čtyřmi, 5 pěti, 6 šesti, 7 sedmi, 8 osmi, 9 devíti, 10 deseti, 11 jedenácti, 12 dvanácti, 13 třinácti, 14 čtrnácti, 15 patnácti, 16 šestnácti, 17 sedmnácti, 18 osmnácti, 19 devatenácti, 20 dvaceti, 30 třiceti, 40 čtyřiceti, 50 padesáti, 60 šedesáti, 70 sedmdesáti, 80 osmdesáti, 90 devadesáti, 100 stem</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 děleno %2</translation>
    </message>
    <message>
        <source>click on correct answer to the right</source>
        <translation>Klikni na správnou odpověď vpravo.</translation>
    </message>
    <message>
        <source>wrong answer, try again</source>
        <translation>Jejda, to není ono. Zkus to znovu!</translation>
    </message>
    <message>
        <source>the minimum number is now set to %1</source>
        <translation>Nejmenší číslo je teď %1.</translation>
    </message>
    <message>
        <source>the maximum number is now set to %1</source>
        <translation>Největší číslo je teď %1.</translation>
    </message>
    <message>
        <source>ut,oh, the minimum number must be less than or equal to the maximum number  </source>
        <extracomment>The two blanks at the end belong to the English phrase; a translation needs none.</extracomment>
        <translation>Jejda! Nejmenší číslo nemůže být větší než největší.</translation>
    </message>
    <message>
        <source>tavika  writes, 1 plus 1 equals 2. is tavika, correct?</source>
        <extracomment>Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.</extracomment>
        <translation>Tavika píše: 1 plus 1 je 2. Má Tavika pravdu?</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>Hry</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>Výběr</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Obyčejná</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Na čas</translation>
    </message>
    <message>
        <source> timer (secs)</source>
        <translation> sekundy</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>sčítání</translation>
    </message>
    <message>
        <source>Min/Max Number</source>
        <translation>Čísla od/do</translation>
    </message>
    <message>
        <source>Tavika writes ...</source>
        <translation>Tavika píše ...</translation>
    </message>
    <message>
        <source>possible answers</source>
        <translation>Která je správně?</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>odčítání</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>násobení</translation>
    </message>
    <message>
        <source>division</source>
        <translation>dělení</translation>
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
