<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>%1 equals %2</source>
        <translation>%1 बराबर %2</translation>
    </message>
    <message>
        <source>flash card</source>
        <translation>कार्ड</translation>
    </message>
    <message>
        <source>Shows the answer, or the next problem</source>
        <translation>जवाब या अगला सवाल दिखाता है</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>जवाब %1</translation>
    </message>
    <message>
        <source>Choose this answer</source>
        <translation>यह जवाब चुनो</translation>
    </message>
    <message>
        <source>Play with this operation</source>
        <translation>इस तरह के सवाल करो</translation>
    </message>
    <message>
        <source>Play this game</source>
        <translation>यह खेल चुनो</translation>
    </message>
    <message>
        <source>speech on</source>
        <translation>आवाज़ चालू</translation>
    </message>
    <message>
        <source>speech off</source>
        <translation>आवाज़ बंद</translation>
    </message>
    <message>
        <source>Switches speech off</source>
        <translation>आवाज़ बंद करता है</translation>
    </message>
    <message>
        <source>Switches speech on</source>
        <translation>आवाज़ चालू करता है</translation>
    </message>
    <message>
        <source>seconds to wait</source>
        <translation>कितने सेकंड रुकना है</translation>
    </message>
    <message>
        <source>How many seconds until the answer shows</source>
        <translation>कितने सेकंड बाद जवाब दिखेगा</translation>
    </message>
    <message>
        <source>smallest number</source>
        <translation>सबसे छोटी संख्या</translation>
    </message>
    <message>
        <source>largest number</source>
        <translation>सबसे बड़ी संख्या</translation>
    </message>
    <message>
        <source>The numbers on the cards go from the smallest to the largest number</source>
        <translation>कार्डों पर संख्याएँ सबसे छोटी से सबसे बड़ी तक होती हैं</translation>
    </message>
    <message>
        <source>Tavika at the chalkboard</source>
        <translation>ब्लैकबोर्ड पर तविका</translation>
    </message>
    <message>
        <source>Tavika says hello</source>
        <translation>तविका नमस्ते कहती है</translation>
    </message>
    <message>
        <source>Opens the web page in the browser</source>
        <translation>वेब पेज को ब्राउज़र में खोलता है</translation>
    </message>
    <message>
        <source>Numivox keys</source>
        <translation>Numivox के बटन</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>बटन: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>बटन: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1। %2</translation>
    </message>
    <message>
        <source>Space or Enter: the card. 1 to 6: the answers. Plus, minus, times, divided by: the operations. %1, %2, %3: the modes. %4: speech on or off. Control Q: close.</source>
        <extracomment>%1, %2, %3 are the keys of the Standard, Interactive and Timer buttons, %4 the key of the loudspeaker, as the translation chooses them.</extracomment>
        <translation>स्पेस या एंटर: कार्ड। 1 से 6: जवाब। जमा, घटा, गुणा, भाग: सवाल की किस्म। %1, %2, %3: खेल। %4: आवाज़ चालू या बंद। कंट्रोल Q: बंद करो।</translation>
    </message>
    <message>
        <source>Tab: go to the next button. Space or Enter: press it. F1: hear the keys again.</source>
        <translation>टैब: अगले बटन पर जाओ। स्पेस या एंटर: उसे दबाओ। F1: बटन फिर से सुनो।</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said in from 1 to 6</comment>
        <extracomment>Never shown. How the voice must say the numbers of &quot;1 to 6&quot; in the key help, where it reads the digits in the wrong form: ICU&apos;s rule set of the form (&quot;%spellout-cardinal-masculine-genitive&quot; for Russian &quot;от одного до шести&quot;), or number and word separated by commas where ICU has none (&quot;1 одного, 6 шести&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>smallest and largest number</source>
        <translation>सबसे छोटी और सबसे बड़ी संख्या</translation>
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
        <translation>C</translation>
    </message>
    <message>
        <source>T</source>
        <comment>key of the Timer button</comment>
        <extracomment>The one letter the child presses for the Timer button (see the Standard key).</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>M</source>
        <comment>key of the loudspeaker</comment>
        <extracomment>The one letter the child presses to switch speech off and on at the loudspeaker (see the Standard key).</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>स्पेस</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>The main Enter key; the same name as the keypad&apos;s Enter is fine.</extracomment>
        <translation>एंटर</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The Enter key of the keypad.</extracomment>
        <translation>एंटर</translation>
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
        <translation>कार्ड पर क्लिक करो</translation>
    </message>
    <message>
        <source>click answer to the right =====&gt;</source>
        <translation>जवाब चुनो =====&gt;</translation>
    </message>
    <message numerus="yes">
        <source>waiting %1 seconds </source>
        <extracomment>Status line under the card while a problem waits; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>%1 सेकंड रुको </numerusform>
            <numerusform>%1 सेकंड रुको </numerusform>
        </translation>
    </message>
    <message>
        <source>welcome to numivox, standard mode. click on flashcard to begin</source>
        <translation>नमस्ते, यह न्यूमिवॉक्स है! सामान्य खेल। शुरू करने के लिए कार्ड पर क्लिक करो।</translation>
    </message>
    <message>
        <source>standard mode</source>
        <translation>सामान्य खेल</translation>
    </message>
    <message>
        <source>interactive mode</source>
        <translation>चुनने वाला खेल</translation>
    </message>
    <message>
        <source>click possible answers to the right</source>
        <translation>दाईं ओर किसी एक जवाब पर क्लिक करो।</translation>
    </message>
    <message>
        <source>first choose a timer value in seconds</source>
        <translation>पहले चुनो कि तुम्हें कितने सेकंड चाहिए।</translation>
    </message>
    <message>
        <source>timer mode</source>
        <translation>घड़ी वाला खेल</translation>
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
            <numerusform>%1 सेकंड।</numerusform>
            <numerusform>%1 सेकंड।</numerusform>
        </translation>
    </message>
    <message>
        <source>click flash card for answer</source>
        <translation>जवाब देखने के लिए कार्ड पर क्लिक करो।</translation>
    </message>
    <message>
        <source>click flash card to continue</source>
        <translation>आगे खेलने के लिए कार्ड पर क्लिक करो।</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 जमा %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 घटा %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 गुणा %2</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said after divided by</comment>
        <extracomment>Never shown. How the voice must say the numbers after &quot;divided by&quot;, where it reads the digits in the wrong form: ICU&apos;s rule set of the form, or number and word separated by commas where ICU has none (Czech &quot;2 dvěma, 3 třemi, 20 dvaceti&quot;: 24 is composed &quot;dvaceti čtyřmi&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 भाग %2</translation>
    </message>
    <message>
        <source>click on correct answer to the right</source>
        <translation>दाईं ओर सही जवाब पर क्लिक करो।</translation>
    </message>
    <message>
        <source>wrong answer, try again</source>
        <translation>अरे, यह सही नहीं है। फिर से कोशिश करो!</translation>
    </message>
    <message>
        <source>the minimum number is now set to %1</source>
        <translation>अब सबसे छोटी संख्या %1 है।</translation>
    </message>
    <message>
        <source>the maximum number is now set to %1</source>
        <translation>अब सबसे बड़ी संख्या %1 है।</translation>
    </message>
    <message>
        <source>ut,oh, the minimum number must be less than or equal to the maximum number  </source>
        <extracomment>The two blanks at the end belong to the English phrase; a translation needs none.</extracomment>
        <translation>अरे! सबसे छोटी संख्या सबसे बड़ी संख्या से बड़ी नहीं हो सकती।</translation>
    </message>
    <message>
        <source>tavika  writes, 1 plus 1 equals 2. is tavika, correct?</source>
        <extracomment>Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.</extracomment>
        <translation>तविका लिखती है: 1 जमा 1 बराबर 2। क्या तविका सही है?</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>खेल</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>चुनो</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>घड़ी</translation>
    </message>
    <message>
        <source> timer (secs)</source>
        <translation> सेकंड</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>जोड़</translation>
    </message>
    <message>
        <source>Min/Max Number</source>
        <translation>छोटी/बड़ी संख्या</translation>
    </message>
    <message>
        <source>Tavika writes ...</source>
        <translation>तविका लिखती है ...</translation>
    </message>
    <message>
        <source>possible answers</source>
        <translation>कौन-सा सही है?</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>घटाव</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>गुणा</translation>
    </message>
    <message>
        <source>division</source>
        <translation>भाग</translation>
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
