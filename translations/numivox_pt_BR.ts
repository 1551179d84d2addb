<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Phrases</name>
    <message>
        <source>addition</source>
        <translation>adição</translation>
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
    <message>
        <source>click flashcard</source>
        <translation>clique no cartão</translation>
    </message>
    <message>
        <source>click answer to the right =====&gt;</source>
        <translation>escolha a resposta =====&gt;</translation>
    </message>
    <message numerus="yes">
        <source>waiting %1 seconds </source>
        <extracomment>Status line under the card while a problem waits; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>espere %1 segundo </numerusform>
            <numerusform>espere %1 segundos </numerusform>
        </translation>
    </message>
    <message>
        <source>welcome to numivox, standard mode. click on flashcard to begin</source>
        <translation>Bem-vindo ao Numivox! Jogo normal. Clique no cartão para começar.</translation>
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
        <translation>Clique em uma das respostas à direita.</translation>
    </message>
    <message>
        <source>first choose a timer value in seconds</source>
        <translation>Primeiro escolha quantos segundos você quer.</translation>
    </message>
    <message>
        <source>timer mode</source>
        <translation>Jogo com relógio</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds.</source>
        <extracomment>Said after a waiting time was chosen; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>%1 segundo.</numerusform>
            <numerusform>%1 segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>click flash card for answer</source>
        <translation>Clique no cartão para ver a resposta.</translation>
    </message>
    <message>
        <source>click flash card to continue</source>
        <translation>Clique no cartão para continuar.</translation>
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
        <source>%1 divided by %2</source>
        <translation>%1 dividido por %2</translation>
    </message>
    <message>
        <source>click on correct answer to the right</source>
        <translation>Clique na resposta certa, à direita.</translation>
    </message>
    <message>
        <source>wrong answer, try again</source>
        <translation>Ops, não é essa. Tente de novo!</translation>
    </message>
    <message>
        <source>the minimum number is now set to %1</source>
        <translation>Agora o menor número é %1.</translation>
    </message>
    <message>
        <source>the maximum number is now set to %1</source>
        <translation>Agora o maior número é %1.</translation>
    </message>
    <message>
        <source>ut,oh, the minimum number must be less than or equal to the maximum number  </source>
        <extracomment>The two blanks at the end belong to the English phrase; a translation needs none.</extracomment>
        <translation>Opa! O menor número não pode ser maior que o maior número.</translation>
    </message>
    <message>
        <source>tavika  writes, 1 plus 1 equals 2. is tavika, correct?</source>
        <extracomment>Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.</extracomment>
        <translation>Tavika escreve: 1 mais 1 é igual a 2. A Tavika acertou?</translation>
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
        <source>Min/Max Number</source>
        <translation>Números de/até</translation>
    </message>
    <message>
        <source>Tavika writes ...</source>
        <translation>Tavika escreve ...</translation>
    </message>
    <message>
        <source>possible answers</source>
        <translation>respostas possíveis</translation>
    </message>
</context>
</TS>
