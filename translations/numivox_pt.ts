<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>%1 equals %2</source>
        <translation>%1 é igual a %2</translation>
    </message>
    <message>
        <source>flash card</source>
        <translation>cartão</translation>
    </message>
    <message>
        <source>Shows the answer, or the next problem</source>
        <translation>Mostra a resposta ou a conta seguinte</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>resposta %1</translation>
    </message>
    <message>
        <source>Choose this answer</source>
        <translation>Escolhe esta resposta</translation>
    </message>
    <message>
        <source>Play with this operation</source>
        <translation>Joga com esta operação</translation>
    </message>
    <message>
        <source>Play this game</source>
        <translation>Escolhe este jogo</translation>
    </message>
    <message>
        <source>speech on</source>
        <translation>voz ligada</translation>
    </message>
    <message>
        <source>speech off</source>
        <translation>voz desligada</translation>
    </message>
    <message>
        <source>Switches speech off</source>
        <translation>Desliga a voz</translation>
    </message>
    <message>
        <source>Switches speech on</source>
        <translation>Liga a voz</translation>
    </message>
    <message>
        <source>seconds to wait</source>
        <translation>segundos de espera</translation>
    </message>
    <message>
        <source>How many seconds until the answer shows</source>
        <translation>Quantos segundos até aparecer a resposta</translation>
    </message>
    <message>
        <source>smallest number</source>
        <translation>número mais pequeno</translation>
    </message>
    <message>
        <source>largest number</source>
        <translation>número maior</translation>
    </message>
    <message>
        <source>The numbers on the cards go from the smallest to the largest number</source>
        <translation>Os números dos cartões vão do mais pequeno ao maior</translation>
    </message>
    <message>
        <source>Tavika at the chalkboard</source>
        <translation>A Tavika no quadro</translation>
    </message>
    <message>
        <source>Tavika says hello</source>
        <translation>A Tavika diz olá</translation>
    </message>
    <message>
        <source>Opens the web page in the browser</source>
        <translation>Abre a página web no navegador</translation>
    </message>
    <message>
        <source>Numivox keys</source>
        <translation>Teclas do Numivox</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Tecla: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Teclas: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Space or Enter: the card. 1 to 6: the answers. Plus, minus, times, divided by: the operations. %1, %2, %3: the modes. %4: speech on or off. Control Q: close.</source>
        <extracomment>%1, %2, %3 are the keys of the Standard, Interactive and Timer buttons, %4 the key of the loudspeaker, as the translation chooses them.</extracomment>
        <translation>Espaço ou Enter: o cartão. De 1 a 6: as respostas. Mais, menos, vezes, a dividir por: as operações. %1, %2, %3: os jogos. %4: voz ligada ou desligada. Ctrl Q: fechar.</translation>
    </message>
    <message>
        <source>Tab: go to the next button. Space or Enter: press it. F1: hear the keys again.</source>
        <translation>Tab: vai para o botão seguinte. Espaço ou Enter: carrega nele. F1: ouve outra vez as teclas.</translation>
    </message>
    <message>
        <source>smallest and largest number</source>
        <translation>o número mais pequeno e o maior</translation>
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
        <translation>N</translation>
    </message>
    <message>
        <source>I</source>
        <comment>key of the Interactive button</comment>
        <extracomment>The one letter the child presses for the Interactive button (see the Standard key).</extracomment>
        <translation>E</translation>
    </message>
    <message>
        <source>T</source>
        <comment>key of the Timer button</comment>
        <extracomment>The one letter the child presses for the Timer button (see the Standard key).</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>M</source>
        <comment>key of the loudspeaker</comment>
        <extracomment>The one letter the child presses to switch speech off and on at the loudspeaker (see the Standard key).</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
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
        <translation>clica no cartão</translation>
    </message>
    <message>
        <source>click answer to the right =====&gt;</source>
        <translation>escolhe a resposta =====&gt;</translation>
    </message>
    <message numerus="yes">
        <source>waiting %1 seconds </source>
        <extracomment>Status line under the card while a problem waits; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>espera %1 segundo </numerusform>
            <numerusform>espera %1 segundos </numerusform>
        </translation>
    </message>
    <message>
        <source>welcome to numivox, standard mode. click on flashcard to begin</source>
        <translation>Olá, este é o Numivox! Jogo normal. Clica no cartão para começar.</translation>
    </message>
    <message>
        <source>standard mode</source>
        <translation>Jogo normal</translation>
    </message>
    <message>
        <source>interactive mode</source>
        <translation>Jogo de escolher</translation>
    </message>
    <message>
        <source>click possible answers to the right</source>
        <translation>Clica numa das respostas à direita.</translation>
    </message>
    <message>
        <source>first choose a timer value in seconds</source>
        <translation>Primeiro escolhe quantos segundos queres.</translation>
    </message>
    <message>
        <source>timer mode</source>
        <translation>Jogo com relógio</translation>
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
            <numerusform>%1 segundo.</numerusform>
            <numerusform>%1 segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>click flash card for answer</source>
        <translation>Clica no cartão para veres a resposta.</translation>
    </message>
    <message>
        <source>click flash card to continue</source>
        <translation>Clica no cartão para continuar.</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 mais %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 menos %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 vezes %2</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said after divided by</comment>
        <extracomment>Never shown. How the voice must say the numbers after &quot;divided by&quot;, where it reads the digits in the wrong form: ICU&apos;s rule set of the form, or number and word separated by commas where ICU has none (Czech &quot;2 dvěma, 3 třemi, 20 dvaceti&quot;: 24 is composed &quot;dvaceti čtyřmi&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 a dividir por %2</translation>
    </message>
    <message>
        <source>click on correct answer to the right</source>
        <translation>Clica na resposta certa, à direita.</translation>
    </message>
    <message>
        <source>wrong answer, try again</source>
        <translation>Ups, não é essa. Tenta outra vez!</translation>
    </message>
    <message>
        <source>the minimum number is now set to %1</source>
        <translation>Agora o número mais pequeno é %1.</translation>
    </message>
    <message>
        <source>the maximum number is now set to %1</source>
        <translation>Agora o número maior é %1.</translation>
    </message>
    <message>
        <source>ut,oh, the minimum number must be less than or equal to the maximum number  </source>
        <extracomment>The two blanks at the end belong to the English phrase; a translation needs none.</extracomment>
        <translation>Ups! O número mais pequeno não pode passar do maior.</translation>
    </message>
    <message>
        <source>tavika  writes, 1 plus 1 equals 2. is tavika, correct?</source>
        <extracomment>Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.</extracomment>
        <translation>A Tavika escreve: 1 mais 1 é igual a 2. A Tavika tem razão?</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Relógio</translation>
    </message>
    <message>
        <source> timer (secs)</source>
        <translation> segundos</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>adição</translation>
    </message>
    <message>
        <source>Min/Max Number</source>
        <translation>Números de/até</translation>
    </message>
    <message>
        <source>Tavika writes ...</source>
        <translation>A Tavika escreve ...</translation>
    </message>
    <message>
        <source>possible answers</source>
        <translation>Qual está certa?</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>subtração</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>multiplicação</translation>
    </message>
    <message>
        <source>division</source>
        <translation>divisão</translation>
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
