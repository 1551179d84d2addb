<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>%1 equals %2</source>
        <translation>%1 sama dengan %2</translation>
    </message>
    <message>
        <source>flash card</source>
        <translation>kartu</translation>
    </message>
    <message>
        <source>Shows the answer, or the next problem</source>
        <translation>Menunjukkan jawaban atau soal berikutnya</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>jawaban %1</translation>
    </message>
    <message>
        <source>Choose this answer</source>
        <translation>Pilih jawaban ini</translation>
    </message>
    <message>
        <source>Play with this operation</source>
        <translation>Berlatih hitungan ini</translation>
    </message>
    <message>
        <source>Play this game</source>
        <translation>Pilih permainan ini</translation>
    </message>
    <message>
        <source>speech on</source>
        <translation>suara nyala</translation>
    </message>
    <message>
        <source>speech off</source>
        <translation>suara mati</translation>
    </message>
    <message>
        <source>Switches speech off</source>
        <translation>Mematikan suara</translation>
    </message>
    <message>
        <source>Switches speech on</source>
        <translation>Menyalakan suara</translation>
    </message>
    <message>
        <source>seconds to wait</source>
        <translation>berapa detik menunggu</translation>
    </message>
    <message>
        <source>How many seconds until the answer shows</source>
        <translation>Berapa detik sampai jawabannya muncul</translation>
    </message>
    <message>
        <source>smallest number</source>
        <translation>angka terkecil</translation>
    </message>
    <message>
        <source>largest number</source>
        <translation>angka terbesar</translation>
    </message>
    <message>
        <source>The numbers on the cards go from the smallest to the largest number</source>
        <translation>Angka di kartu mulai dari yang terkecil sampai yang terbesar</translation>
    </message>
    <message>
        <source>Tavika at the chalkboard</source>
        <translation>Tavika di papan tulis</translation>
    </message>
    <message>
        <source>Tavika says hello</source>
        <translation>Tavika menyapamu</translation>
    </message>
    <message>
        <source>Opens the web page in the browser</source>
        <translation>Membuka halaman web di peramban</translation>
    </message>
    <message>
        <source>Numivox keys</source>
        <translation>Tombol Numivox</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Tombol: %1</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Tombol: %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Space or Enter: the card. 1 to 6: the answers. Plus, minus, times, divided by: the operations. %1, %2, %3: the modes. %4: speech on or off. Control Q: close.</source>
        <extracomment>%1, %2, %3 are the keys of the Standard, Interactive and Timer buttons, %4 the key of the loudspeaker, as the translation chooses them.</extracomment>
        <translation>Spasi atau Enter: kartu. 1 sampai 6: jawaban. Tambah, kurang, kali, bagi: jenis hitungan. %1, %2, %3: permainan. %4: suara nyala atau mati. Kontrol Q: tutup.</translation>
    </message>
    <message>
        <source>Tab: go to the next button. Space or Enter: press it. F1: hear the keys again.</source>
        <translation>Tab: pindah ke tombol berikutnya. Spasi atau Enter: tekan tombolnya. F1: dengarkan lagi daftar tombol.</translation>
    </message>
    <message>
        <source>smallest and largest number</source>
        <translation>angka terkecil dan terbesar</translation>
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
        <translation>B</translation>
    </message>
    <message>
        <source>I</source>
        <comment>key of the Interactive button</comment>
        <extracomment>The one letter the child presses for the Interactive button (see the Standard key).</extracomment>
        <translation>M</translation>
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
        <translation>Spasi</translation>
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
        <translation>klik kartunya</translation>
    </message>
    <message>
        <source>click answer to the right =====&gt;</source>
        <translation>pilih jawaban =====&gt;</translation>
    </message>
    <message numerus="yes">
        <source>waiting %1 seconds </source>
        <extracomment>Status line under the card while a problem waits; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>tunggu %1 detik </numerusform>
        </translation>
    </message>
    <message>
        <source>welcome to numivox, standard mode. click on flashcard to begin</source>
        <translation>Halo, ini Numivox! Permainan biasa. Klik kartunya untuk mulai.</translation>
    </message>
    <message>
        <source>standard mode</source>
        <translation>Permainan biasa</translation>
    </message>
    <message>
        <source>interactive mode</source>
        <translation>Permainan memilih</translation>
    </message>
    <message>
        <source>click possible answers to the right</source>
        <translation>Klik salah satu jawaban di sebelah kanan.</translation>
    </message>
    <message>
        <source>first choose a timer value in seconds</source>
        <translation>Pilih dulu berapa detik yang kamu mau.</translation>
    </message>
    <message>
        <source>timer mode</source>
        <translation>Permainan dengan jam</translation>
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
            <numerusform>%1 detik.</numerusform>
        </translation>
    </message>
    <message>
        <source>click flash card for answer</source>
        <translation>Klik kartunya untuk melihat jawaban.</translation>
    </message>
    <message>
        <source>click flash card to continue</source>
        <translation>Klik kartunya untuk lanjut.</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 tambah %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 kurang %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 kali %2</translation>
    </message>
    <message>
        <source>-</source>
        <comment>numbers said after divided by</comment>
        <extracomment>Never shown. How the voice must say the numbers after &quot;divided by&quot;, where it reads the digits in the wrong form: ICU&apos;s rule set of the form, or number and word separated by commas where ICU has none (Czech &quot;2 dvěma, 3 třemi, 20 dvaceti&quot;: 24 is composed &quot;dvaceti čtyřmi&quot;). Keep &quot;-&quot; where the voice says the digits right.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 dibagi %2</translation>
    </message>
    <message>
        <source>click on correct answer to the right</source>
        <translation>Klik jawaban yang benar di sebelah kanan.</translation>
    </message>
    <message>
        <source>wrong answer, try again</source>
        <translation>Aduh, bukan yang itu. Coba lagi!</translation>
    </message>
    <message>
        <source>the minimum number is now set to %1</source>
        <translation>Sekarang angka terkecil %1.</translation>
    </message>
    <message>
        <source>the maximum number is now set to %1</source>
        <translation>Sekarang angka terbesar %1.</translation>
    </message>
    <message>
        <source>ut,oh, the minimum number must be less than or equal to the maximum number  </source>
        <extracomment>The two blanks at the end belong to the English phrase; a translation needs none.</extracomment>
        <translation>Aduh! Angka terkecil tidak boleh lebih besar dari angka terbesar.</translation>
    </message>
    <message>
        <source>tavika  writes, 1 plus 1 equals 2. is tavika, correct?</source>
        <extracomment>Said when the child clicks the picture of Tavika writing 1 + 1 = 2 on a chalkboard.</extracomment>
        <translation>Tavika menulis: 1 tambah 1 sama dengan 2. Apakah Tavika benar?</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Interactive</source>
        <translation>Memilih</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Biasa</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Dengan jam</translation>
    </message>
    <message>
        <source> timer (secs)</source>
        <translation> detik</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>penjumlahan</translation>
    </message>
    <message>
        <source>Min/Max Number</source>
        <translation>Angka dari/sampai</translation>
    </message>
    <message>
        <source>Tavika writes ...</source>
        <translation>Tavika menulis ...</translation>
    </message>
    <message>
        <source>possible answers</source>
        <translation>Mana yang benar?</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>pengurangan</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>perkalian</translation>
    </message>
    <message>
        <source>division</source>
        <translation>pembagian</translation>
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
