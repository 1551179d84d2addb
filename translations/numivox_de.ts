<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Phrases</name>
    <message>
        <source>addition</source>
        <translation>Plusrechnen</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>Minusrechnen</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>Malrechnen</translation>
    </message>
    <message>
        <source>division</source>
        <translation>Geteiltrechnen</translation>
    </message>
    <message>
        <source>click flashcard</source>
        <translation>klick auf die Karte</translation>
    </message>
    <message>
        <source>click answer to the right =====&gt;</source>
        <translation>klick rechts auf die Antwort =====&gt;</translation>
    </message>
    <message numerus="yes">
        <source>waiting %1 seconds </source>
        <extracomment>Status line under the card while a problem waits; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>warte %1 Sekunde </numerusform>
            <numerusform>warte %1 Sekunden </numerusform>
        </translation>
    </message>
    <message>
        <source>welcome to numivox, standard mode. click on flashcard to begin</source>
        <translation>Willkommen bei Numivox! Normales Spiel. Klick auf die Karte, dann geht es los.</translation>
    </message>
    <message>
        <source>standard mode</source>
        <translation>Normales Spiel</translation>
    </message>
    <message>
        <source>interactive mode</source>
        <translation>Auswahl-Spiel</translation>
    </message>
    <message>
        <source>click possible answers to the right</source>
        <translation>Klick rechts auf eine der Antworten.</translation>
    </message>
    <message>
        <source>first choose a timer value in seconds</source>
        <translation>Such dir zuerst aus, wie viele Sekunden du Zeit hast.</translation>
    </message>
    <message>
        <source>timer mode</source>
        <translation>Spiel mit Uhr</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds.</source>
        <extracomment>Said after a waiting time was chosen; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>%1 Sekunde.</numerusform>
            <numerusform>%1 Sekunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>click flash card for answer</source>
        <translation>Klick auf die Karte, dann siehst du die Antwort.</translation>
    </message>
    <message>
        <source>click flash card to continue</source>
        <translation>Klick auf die Karte, dann geht es weiter.</translation>
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
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 geteilt durch %2</translation>
    </message>
    <message>
        <source>click on correct answer to the right</source>
        <translation>Klick rechts auf die richtige Antwort.</translation>
    </message>
    <message>
        <source>wrong answer, try again</source>
        <translation>Das stimmt noch nicht. Versuch es noch mal!</translation>
    </message>
    <message>
        <source>the minimum number is now set to %1</source>
        <translation>Die kleinste Zahl ist jetzt %1.</translation>
    </message>
    <message>
        <source>the maximum number is now set to %1</source>
        <translation>Die größte Zahl ist jetzt %1.</translation>
    </message>
    <message>
        <source>ut,oh, the minimum number must be less than or equal to the maximum number  </source>
        <extracomment>The two blanks at the end belong to the English phrase; a translation needs none.</extracomment>
        <translation>Oh oh! Die kleinste Zahl darf nicht größer sein als die größte Zahl.</translation>
    </message>
    <message>
        <source>tavika  writes, 1 plus 1 equals 2. is tavika, correct?</source>
        <extracomment>Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.</extracomment>
        <translation>Tavika schreibt: 1 plus 1 ist 2. Hat Tavika recht?</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Mit Uhr</translation>
    </message>
    <message>
        <source> timer (secs)</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>Min/Max Number</source>
        <translation>Zahlen von/bis</translation>
    </message>
    <message>
        <source>Tavika writes ...</source>
        <translation>Tavika schreibt ...</translation>
    </message>
    <message>
        <source>possible answers</source>
        <translation>Welche stimmt?</translation>
    </message>
</context>
</TS>
