<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>%1 equals %2</source>
        <translation>%1 är %2</translation>
    </message>
    <message>
        <source>flash card</source>
        <translation>kort</translation>
    </message>
    <message>
        <source>Shows the answer, or the next problem</source>
        <translation>Visar svaret eller nästa tal</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>svar %1</translation>
    </message>
    <message>
        <source>Choose this answer</source>
        <translation>Välj det här svaret</translation>
    </message>
    <message>
        <source>Play with this operation</source>
        <translation>Räkna med det här räknesättet</translation>
    </message>
    <message>
        <source>Play this game</source>
        <translation>Välj det här spelet</translation>
    </message>
    <message>
        <source>speech on</source>
        <translation>rösten på</translation>
    </message>
    <message>
        <source>speech off</source>
        <translation>rösten av</translation>
    </message>
    <message>
        <source>Switches speech off</source>
        <translation>Stänger av rösten</translation>
    </message>
    <message>
        <source>Switches speech on</source>
        <translation>Sätter på rösten</translation>
    </message>
    <message>
        <source>seconds to wait</source>
        <translation>sekunder att vänta</translation>
    </message>
    <message>
        <source>How many seconds until the answer shows</source>
        <translation>Hur många sekunder tills svaret syns</translation>
    </message>
    <message>
        <source>smallest number</source>
        <translation>minsta talet</translation>
    </message>
    <message>
        <source>largest number</source>
        <translation>största talet</translation>
    </message>
    <message>
        <source>The numbers on the cards go from the smallest to the largest number</source>
        <translation>Talen på korten går från det minsta till det största</translation>
    </message>
    <message>
        <source>Tavika at the chalkboard</source>
        <translation>Tavika vid tavlan</translation>
    </message>
    <message>
        <source>Tavika says hello</source>
        <translation>Tavika säger hej</translation>
    </message>
    <message>
        <source>Opens the web page in the browser</source>
        <translation>Öppnar webbsidan i webbläsaren</translation>
    </message>
    <message>
        <source>Numivox keys</source>
        <translation>Tangenter i Numivox</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Tangent: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Tangenter: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Space or Enter: the card. 1 to 6: the answers. Plus, minus, times, divided by: the operations. %1, %2, %3: the modes. %4: speech on or off. Control Q: close.</source>
        <extracomment>%1, %2, %3 are the keys of the Standard, Interactive and Timer buttons, %4 the key of the loudspeaker, as the translation chooses them.</extracomment>
        <translation>Mellanslag eller Enter: kortet. 1 till 6: svaren. Plus, minus, gånger, delat med: räknesätten. %1, %2, %3: spelen. %4: rösten på eller av. Kontroll Q: stäng.</translation>
    </message>
    <message>
        <source>Tab: go to the next button. Space or Enter: press it. F1: hear the keys again.</source>
        <translation>Tabb: gå till nästa knapp. Mellanslag eller Enter: tryck på den. F1: hör tangenterna igen.</translation>
    </message>
    <message>
        <source>smallest and largest number</source>
        <translation>minsta och största talet</translation>
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
        <translation>V</translation>
    </message>
    <message>
        <source>I</source>
        <comment>key of the Interactive button</comment>
        <extracomment>The one letter the child presses for the Interactive button (see the Standard key).</extracomment>
        <translation>S</translation>
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
        <translation>R</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mellanslag</translation>
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
        <translation>klicka på kortet</translation>
    </message>
    <message>
        <source>click answer to the right =====&gt;</source>
        <translation>välj svaret =====&gt;</translation>
    </message>
    <message numerus="yes">
        <source>waiting %1 seconds </source>
        <extracomment>Status line under the card while a problem waits; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>vänta %1 sekund </numerusform>
            <numerusform>vänta %1 sekunder </numerusform>
        </translation>
    </message>
    <message>
        <source>welcome to numivox, standard mode. click on flashcard to begin</source>
        <translation>Välkommen till Numivox! Vanligt spel. Klicka på kortet för att börja.</translation>
    </message>
    <message>
        <source>standard mode</source>
        <translation>Vanligt spel</translation>
    </message>
    <message>
        <source>interactive mode</source>
        <translation>Spel med svar</translation>
    </message>
    <message>
        <source>click possible answers to the right</source>
        <translation>Klicka på ett av svaren till höger.</translation>
    </message>
    <message>
        <source>first choose a timer value in seconds</source>
        <translation>Välj först hur många sekunder du vill ha.</translation>
    </message>
    <message>
        <source>timer mode</source>
        <translation>Spel med klocka</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said before seconds</comment>
        <extracomment>Never shown. How the voice must say the numbers before &quot;seconds&quot;, where it reads the digits in the wrong form for that noun: ICU&apos;s rule set of the form (&quot;%spellout-cardinal-feminine&quot;), or number and word separated by commas where ICU has none (&quot;1 jedna, 2 dwie&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>1 en</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds.</source>
        <extracomment>Said after a waiting time was chosen; %1 is the number of seconds, or its word.</extracomment>
        <translation>
            <numerusform>%1 sekund.</numerusform>
            <numerusform>%1 sekunder.</numerusform>
        </translation>
    </message>
    <message>
        <source>click flash card for answer</source>
        <translation>Klicka på kortet så ser du svaret.</translation>
    </message>
    <message>
        <source>click flash card to continue</source>
        <translation>Klicka på kortet för att fortsätta.</translation>
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
        <translation>%1 gånger %2</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said after divided by</comment>
        <extracomment>Never shown. How the voice must say the numbers after &quot;divided by&quot;, where it reads the digits in the wrong form: ICU&apos;s rule set of the form, or number and word separated by commas where ICU has none (Czech &quot;2 dvěma, 3 třemi, 20 dvaceti&quot;: 24 is composed &quot;dvaceti čtyřmi&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 delat med %2</translation>
    </message>
    <message>
        <source>click on correct answer to the right</source>
        <translation>Klicka på rätt svar till höger.</translation>
    </message>
    <message>
        <source>wrong answer, try again</source>
        <translation>Oj, det var inte rätt. Försök igen!</translation>
    </message>
    <message>
        <source>the minimum number is now set to %1</source>
        <translation>Nu är det minsta talet %1.</translation>
    </message>
    <message>
        <source>the maximum number is now set to %1</source>
        <translation>Nu är det största talet %1.</translation>
    </message>
    <message>
        <source>ut,oh, the minimum number must be less than or equal to the maximum number  </source>
        <extracomment>The two blanks at the end belong to the English phrase; a translation needs none.</extracomment>
        <translation>Oj då! Det minsta talet får inte vara större än det största.</translation>
    </message>
    <message>
        <source>tavika  writes, 1 plus 1 equals 2. is tavika, correct?</source>
        <extracomment>Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.</extracomment>
        <translation>Tavika skriver: 1 plus 1 är 2. Har Tavika rätt?</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>Svar</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Vanligt</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Klocka</translation>
    </message>
    <message>
        <source> timer (secs)</source>
        <translation> sekunder</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>Min/Max Number</source>
        <translation>Tal från/till</translation>
    </message>
    <message>
        <source>Tavika writes ...</source>
        <translation>Tavika skriver ...</translation>
    </message>
    <message>
        <source>possible answers</source>
        <translation>Vilket är rätt?</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>gånger</translation>
    </message>
    <message>
        <source>division</source>
        <translation>delat med</translation>
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
