<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>%1 equals %2</source>
        <translation>%1 하면 %2</translation>
    </message>
    <message>
        <source>flash card</source>
        <translation>카드</translation>
    </message>
    <message>
        <source>Shows the answer, or the next problem</source>
        <translation>답이나 다음 문제를 보여 줘요</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>답 %1</translation>
    </message>
    <message>
        <source>Choose this answer</source>
        <translation>이 답을 골라요</translation>
    </message>
    <message>
        <source>Play with this operation</source>
        <translation>이런 문제를 풀어요</translation>
    </message>
    <message>
        <source>Play this game</source>
        <translation>이 놀이를 골라요</translation>
    </message>
    <message>
        <source>speech on</source>
        <translation>소리 켜짐</translation>
    </message>
    <message>
        <source>speech off</source>
        <translation>소리 꺼짐</translation>
    </message>
    <message>
        <source>Switches speech off</source>
        <translation>소리를 꺼요</translation>
    </message>
    <message>
        <source>Switches speech on</source>
        <translation>소리를 켜요</translation>
    </message>
    <message>
        <source>seconds to wait</source>
        <translation>기다릴 시간(초)</translation>
    </message>
    <message>
        <source>How many seconds until the answer shows</source>
        <translation>몇 초 뒤에 답이 나오는지</translation>
    </message>
    <message>
        <source>smallest number</source>
        <translation>가장 작은 수</translation>
    </message>
    <message>
        <source>largest number</source>
        <translation>가장 큰 수</translation>
    </message>
    <message>
        <source>The numbers on the cards go from the smallest to the largest number</source>
        <translation>카드의 수는 가장 작은 수부터 가장 큰 수까지예요</translation>
    </message>
    <message>
        <source>Tavika at the chalkboard</source>
        <translation>칠판 앞의 타비카</translation>
    </message>
    <message>
        <source>Tavika says hello</source>
        <translation>타비카가 인사해요</translation>
    </message>
    <message>
        <source>Opens the web page in the browser</source>
        <translation>브라우저에서 웹 페이지를 열어요</translation>
    </message>
    <message>
        <source>Numivox keys</source>
        <translation>누미복스 키</translation>
    </message>
    <message>
        <source>Space or Enter: the card. 1 to 6: the answers. Plus, minus, times, divided by: the operations. %1, %2, %3: the modes. %4: speech on or off. Control Q: close.</source>
        <extracomment>%1, %2, %3 are the keys of the Standard, Interactive and Timer buttons, %4 the key of the loudspeaker, as the translation chooses them.</extracomment>
        <translation>스페이스나 엔터: 카드. 1부터 6까지: 답. 더하기, 빼기, 곱하기, 나누기: 계산. %1, %2, %3: 놀이. %4: 소리 켜기, 끄기. 컨트롤 Q: 닫기.</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said in from 1 to 6</comment>
        <extracomment>Never shown. How the voice must say the numbers of &quot;1 to 6&quot; in the key help, where it reads the digits in the wrong form: ICU&apos;s rule set of the form (&quot;%spellout-cardinal-masculine-genitive&quot; for Russian &quot;от одного до шести&quot;), or number and word separated by commas where ICU has none (&quot;1 одного, 6 шести&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>Tab: go to the next button. Space or Enter: press it. F1: hear the keys again.</source>
        <translation>탭: 다음 버튼으로. 스페이스나 엔터: 버튼 누르기. F1: 키를 다시 듣기.</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>키: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>키: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>smallest and largest number</source>
        <translation>가장 작은 수와 가장 큰 수</translation>
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
        <translation>B</translation>
    </message>
    <message>
        <source>I</source>
        <comment>key of the Interactive button</comment>
        <extracomment>The one letter the child presses for the Interactive button (see the Standard key).</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>T</source>
        <comment>key of the Timer button</comment>
        <extracomment>The one letter the child presses for the Timer button (see the Standard key).</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>M</source>
        <comment>key of the loudspeaker</comment>
        <extracomment>The one letter the child presses to switch speech off and on at the loudspeaker (see the Standard key).</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>스페이스</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>The main Enter key; the same name as the keypad&apos;s Enter is fine.</extracomment>
        <translation>엔터</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the keypad.</extracomment>
        <translation>엔터</translation>
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
        <translation>카드를 눌러요</translation>
    </message>
    <message>
        <source>click answer to the right =====&gt;</source>
        <translation>오른쪽 답을 눌러요 =====&gt;</translation>
    </message>
    <message numerus="yes">
        <source>waiting %1 seconds </source>
        <extracomment>Status line under the card while a problem waits; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>%1초 기다려요 </numerusform>
        </translation>
    </message>
    <message>
        <source>welcome to numivox, standard mode. click on flashcard to begin</source>
        <translation>안녕! 누미복스예요. 보통 놀이. 카드를 누르면 시작해요.</translation>
    </message>
    <message>
        <source>standard mode</source>
        <translation>보통 놀이</translation>
    </message>
    <message>
        <source>interactive mode</source>
        <translation>고르기 놀이</translation>
    </message>
    <message>
        <source>click possible answers to the right</source>
        <translation>오른쪽에서 답을 하나 눌러요.</translation>
    </message>
    <message>
        <source>first choose a timer value in seconds</source>
        <translation>먼저 몇 초 기다릴지 골라요.</translation>
    </message>
    <message>
        <source>timer mode</source>
        <translation>시계 놀이</translation>
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
            <numerusform>%1초.</numerusform>
        </translation>
    </message>
    <message>
        <source>click flash card for answer</source>
        <translation>카드를 누르면 답이 나와요.</translation>
    </message>
    <message>
        <source>click flash card to continue</source>
        <translation>카드를 누르면 계속해요.</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 더하기 %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 빼기 %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 곱하기 %2</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said after divided by</comment>
        <extracomment>Never shown. How the voice must say the numbers after &quot;divided by&quot;, where it reads the digits in the wrong form: ICU&apos;s rule set of the form, or number and word separated by commas where ICU has none (Czech &quot;2 dvěma, 3 třemi, 20 dvaceti&quot;: 24 is composed &quot;dvaceti čtyřmi&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 나누기 %2</translation>
    </message>
    <message>
        <source>click on correct answer to the right</source>
        <translation>오른쪽에서 맞는 답을 눌러요.</translation>
    </message>
    <message>
        <source>wrong answer, try again</source>
        <translation>어, 틀렸어요. 다시 해 봐요!</translation>
    </message>
    <message>
        <source>the minimum number is now set to %1</source>
        <translation>이제 가장 작은 수는 %1.</translation>
    </message>
    <message>
        <source>the maximum number is now set to %1</source>
        <translation>이제 가장 큰 수는 %1.</translation>
    </message>
    <message>
        <source>ut,oh, the minimum number must be less than or equal to the maximum number  </source>
        <extracomment>The two blanks at the end belong to the English phrase; a translation needs none.</extracomment>
        <translation>어어! 가장 작은 수가 가장 큰 수보다 크면 안 돼요.</translation>
    </message>
    <message>
        <source>tavika  writes, 1 plus 1 equals 2. is tavika, correct?</source>
        <extracomment>Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.</extracomment>
        <translation>타비카가 썼어요. 1 더하기 1은 2. 타비카가 맞았나요?</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>놀이</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>고르기</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>시계</translation>
    </message>
    <message>
        <source> timer (secs)</source>
        <translation> 초</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>더하기</translation>
    </message>
    <message>
        <source>Min/Max Number</source>
        <translation>작은/큰 수</translation>
    </message>
    <message>
        <source>Tavika writes ...</source>
        <translation>타비카가 써요 ...</translation>
    </message>
    <message>
        <source>possible answers</source>
        <translation>어느 게 맞을까?</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>빼기</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>곱하기</translation>
    </message>
    <message>
        <source>division</source>
        <translation>나누기</translation>
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
