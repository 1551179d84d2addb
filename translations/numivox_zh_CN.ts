<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>%1 equals %2</source>
        <translation>%1 等于 %2</translation>
    </message>
    <message>
        <source>flash card</source>
        <translation>卡片</translation>
    </message>
    <message>
        <source>Shows the answer, or the next problem</source>
        <translation>显示答案，或者下一道题</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>答案 %1</translation>
    </message>
    <message>
        <source>Choose this answer</source>
        <translation>选这个答案</translation>
    </message>
    <message>
        <source>Play with this operation</source>
        <translation>做这种题</translation>
    </message>
    <message>
        <source>Play this game</source>
        <translation>选这个游戏</translation>
    </message>
    <message>
        <source>speech on</source>
        <translation>声音开着</translation>
    </message>
    <message>
        <source>speech off</source>
        <translation>声音关了</translation>
    </message>
    <message>
        <source>Switches speech off</source>
        <translation>关掉声音</translation>
    </message>
    <message>
        <source>Switches speech on</source>
        <translation>打开声音</translation>
    </message>
    <message>
        <source>seconds to wait</source>
        <translation>等几秒</translation>
    </message>
    <message>
        <source>How many seconds until the answer shows</source>
        <translation>过几秒出现答案</translation>
    </message>
    <message>
        <source>smallest number</source>
        <translation>最小的数</translation>
    </message>
    <message>
        <source>largest number</source>
        <translation>最大的数</translation>
    </message>
    <message>
        <source>The numbers on the cards go from the smallest to the largest number</source>
        <translation>卡片上的数从最小的数到最大的数</translation>
    </message>
    <message>
        <source>Tavika at the chalkboard</source>
        <translation>黑板前的塔维卡</translation>
    </message>
    <message>
        <source>Tavika says hello</source>
        <translation>塔维卡向你问好</translation>
    </message>
    <message>
        <source>Opens the web page in the browser</source>
        <translation>在浏览器里打开网页</translation>
    </message>
    <message>
        <source>Numivox keys</source>
        <translation>Numivox 的按键</translation>
    </message>
    <message>
        <source>Space or Enter: the card. 1 to 6: the answers. Plus, minus, times, divided by: the operations. %1, %2, %3: the modes. %4: speech on or off. Control Q: close.</source>
        <extracomment>%1, %2, %3 are the keys of the Standard, Interactive and Timer buttons, %4 the key of the loudspeaker, as the translation chooses them.</extracomment>
        <translation>空格键或回车键：卡片。1 到 6：答案。加、减、乘、除：选题目。%1、%2、%3：游戏。%4：打开或关掉声音。控制键加 Q：关闭。</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said in from 1 to 6</comment>
        <extracomment>Never shown. How the voice must say the numbers of &quot;1 to 6&quot; in the key help, where it reads the digits in the wrong form: ICU&apos;s rule set of the form (&quot;%spellout-cardinal-masculine-genitive&quot; for Russian &quot;от одного до шести&quot;), or number and word separated by commas where ICU has none (&quot;1 одного, 6 шести&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>Tab: go to the next button. Space or Enter: press it. F1: hear the keys again.</source>
        <translation>Tab 键：到下一个按钮。空格键或回车键：按下它。F1：再听一遍按键。</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>按键：%1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>按键：%1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>smallest and largest number</source>
        <translation>最小的数和最大的数</translation>
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
        <translation>P</translation>
    </message>
    <message>
        <source>I</source>
        <comment>key of the Interactive button</comment>
        <extracomment>The one letter the child presses for the Interactive button (see the Standard key).</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>T</source>
        <comment>key of the Timer button</comment>
        <extracomment>The one letter the child presses for the Timer button (see the Standard key).</extracomment>
        <translation>J</translation>
    </message>
    <message>
        <source>M</source>
        <comment>key of the loudspeaker</comment>
        <extracomment>The one letter the child presses to switch speech off and on at the loudspeaker (see the Standard key).</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格键</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>The main Enter key; the same name as the keypad&apos;s Enter is fine.</extracomment>
        <translation>回车键</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the keypad.</extracomment>
        <translation>回车键</translation>
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
        <translation>点一下卡片</translation>
    </message>
    <message>
        <source>click answer to the right =====&gt;</source>
        <translation>点右边的答案 =====&gt;</translation>
    </message>
    <message numerus="yes">
        <source>waiting %1 seconds </source>
        <extracomment>Status line under the card while a problem waits; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>等 %1 秒 </numerusform>
        </translation>
    </message>
    <message>
        <source>welcome to numivox, standard mode. click on flashcard to begin</source>
        <translation>你好！这是 Numivox。普通游戏。点一下卡片，我们开始吧。</translation>
    </message>
    <message>
        <source>standard mode</source>
        <translation>普通游戏</translation>
    </message>
    <message>
        <source>interactive mode</source>
        <translation>选答案游戏</translation>
    </message>
    <message>
        <source>click possible answers to the right</source>
        <translation>点右边的一个答案。</translation>
    </message>
    <message>
        <source>first choose a timer value in seconds</source>
        <translation>先选一选要等几秒。</translation>
    </message>
    <message>
        <source>timer mode</source>
        <translation>计时游戏</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said before seconds</comment>
        <extracomment>Never shown. How the voice must say the numbers before &quot;seconds&quot;, where it reads the digits in the wrong form for that noun: ICU&apos;s rule set of the form (&quot;%spellout-cardinal-feminine&quot;), or number and word separated by commas where ICU has none (&quot;1 jedna, 2 dwie&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>%spellout-cardinal-alternate2</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds.</source>
        <extracomment>Said after a waiting time was chosen; %1 is the number of seconds, or its word.</extracomment>
        <translation>
            <numerusform>%1秒。</numerusform>
        </translation>
    </message>
    <message>
        <source>click flash card for answer</source>
        <translation>点一下卡片，看看答案。</translation>
    </message>
    <message>
        <source>click flash card to continue</source>
        <translation>点一下卡片，接着玩。</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 加 %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 减 %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 乘以 %2</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said after divided by</comment>
        <extracomment>Never shown. How the voice must say the numbers after &quot;divided by&quot;, where it reads the digits in the wrong form: ICU&apos;s rule set of the form, or number and word separated by commas where ICU has none (Czech &quot;2 dvěma, 3 třemi, 20 dvaceti&quot;: 24 is composed &quot;dvaceti čtyřmi&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 除以 %2</translation>
    </message>
    <message>
        <source>click on correct answer to the right</source>
        <translation>点右边正确的答案。</translation>
    </message>
    <message>
        <source>wrong answer, try again</source>
        <translation>哎呀，不对哦。再试一次！</translation>
    </message>
    <message>
        <source>the minimum number is now set to %1</source>
        <translation>最小的数现在是 %1。</translation>
    </message>
    <message>
        <source>the maximum number is now set to %1</source>
        <translation>最大的数现在是 %1。</translation>
    </message>
    <message>
        <source>ut,oh, the minimum number must be less than or equal to the maximum number  </source>
        <extracomment>The two blanks at the end belong to the English phrase; a translation needs none.</extracomment>
        <translation>哎呀！最小的数不能比最大的数大。</translation>
    </message>
    <message>
        <source>tavika  writes, 1 plus 1 equals 2. is tavika, correct?</source>
        <extracomment>Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.</extracomment>
        <translation>塔维卡写：1 加 1 等于 2。塔维卡写对了吗？</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>选答案</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>计时</translation>
    </message>
    <message>
        <source> timer (secs)</source>
        <translation> 秒数</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>Min/Max Number</source>
        <translation>最小/最大</translation>
    </message>
    <message>
        <source>Tavika writes ...</source>
        <translation>塔维卡写 ...</translation>
    </message>
    <message>
        <source>possible answers</source>
        <translation>哪个对？</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>减法</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>division</source>
        <translation>除法</translation>
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
