<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Mehr dazu unter „tessaro --help“.</source>
        <translation>Try &apos;tessaro --help&apos; for more information.</translation>
    </message>
    <message>
        <source>unbekannte Option „%1“</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unerwartetes Argument „%1“</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Aufruf: tessaro [OPTION]
Rechentrainer für komplexe Zahlen: öffnet das Hauptmenü.

  -h, --help     zeigt diese Hilfe und endet
  -v, --version  zeigt die Version und endet

Dazu versteht Tessaro die Optionen jedes Qt-Programms, etwa
-platform NAME oder -reverse.
</source>
        <translation>Usage: tessaro [OPTION]
Trainer for arithmetic with complex numbers: opens the main menu.

  -h, --help     show this help and exit
  -v, --version  show the version and exit

Tessaro also takes the options of every Qt program, such as
-platform NAME or -reverse.
</translation>
    </message>
    <message>
        <source>die Option „%1“ erlaubt keinen Wert</source>
        <translation>option &apos;%1&apos; allows no value</translation>
    </message>
</context>
<context>
    <name>ExerciseModes</name>
    <message>
        <source>Eingabe muss in der Form x+jy, bzw. x-jy erfolgen,</source>
        <translation>Enter the answer as x+jy or x-jy,</translation>
    </message>
    <message>
        <source>also ohne jegliche Leerzeichen oder Klammern.</source>
        <translation>without any spaces or brackets.</translation>
    </message>
    <message>
        <source>Additions - / Subtraktions - Modus</source>
        <translation>Addition / subtraction mode</translation>
    </message>
    <message>
        <source>Betrags - Modus        </source>
        <translation>Modulus mode</translation>
    </message>
    <message>
        <source>Aus Grund der Berechenbarkeit ohne Taschenrechner</source>
        <translation>So that no calculator is needed,</translation>
    </message>
    <message>
        <source>treten nur ganzzahlige Ergebnisse auf.</source>
        <translation>all results are whole numbers.</translation>
    </message>
    <message>
        <source>Deshalb ist die Anzahl der möglichen Übungsaufgaben</source>
        <translation>This is why there is only a limited</translation>
    </message>
    <message>
        <source>dementsprechend beschränkt.</source>
        <translation>number of different tasks.</translation>
    </message>
    <message>
        <source>Multiplikations - Modus</source>
        <translation>Multiplication mode</translation>
    </message>
    <message>
        <source>Divisions - Modus</source>
        <translation>Division mode</translation>
    </message>
    <message>
        <source>Die Antwort ist ein ungekürzter Bruch. Mit Tab geht es vom Realteil des Zählers zum Nenner und zum Imaginärteil des Zählers.</source>
        <translation>The answer is a fraction that is not reduced. Tab moves from the real part of the numerator to the denominator and on to the imaginary part of the numerator.</translation>
    </message>
    <message>
        <source>Taschenrechner erlaubt. Den Betrag auf zwei</source>
        <translation>A calculator is allowed. Round the modulus</translation>
    </message>
    <message>
        <source>Nachkommastellen runden, den Winkel in Grad</source>
        <translation>to two decimal places and the angle in</translation>
    </message>
    <message>
        <source>(von -180° bis 180°) auf eine.</source>
        <translation>degrees (-180° to 180°) to one.</translation>
    </message>
    <message>
        <source>Umrechnen in die Polarform</source>
        <translation>Converting to polar form</translation>
    </message>
    <message>
        <source>Umrechnen in die kartesische Form</source>
        <translation>Converting to Cartesian form</translation>
    </message>
    <message>
        <source>Taschenrechner erlaubt. Eingabe als x+jy,</source>
        <translation>A calculator is allowed. Enter x+jy,</translation>
    </message>
    <message>
        <source>Realteil und Imaginärteil auf zwei</source>
        <translation>the real and the imaginary part rounded</translation>
    </message>
    <message>
        <source>Nachkommastellen gerundet.</source>
        <translation>to two decimal places.</translation>
    </message>
    <message>
        <source>Multiplikation und Division</source>
        <translation>Multiplying and dividing</translation>
    </message>
    <message>
        <source>Zeiger addieren</source>
        <translation>Adding phasors</translation>
    </message>
</context>
<context>
    <name>ExerciseScreen</name>
    <message>
        <source>Alt+N</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Tastenkürzel: %1</source>
        <translation>Shortcut: %1</translation>
    </message>
    <message>
        <source>%1 Prozent richtig</source>
        <translation>%1 percent correct</translation>
    </message>
    <message>
        <source>Richtig!!</source>
        <translation>Correct!</translation>
    </message>
    <message>
        <source>Neue Aufgabe: %1</source>
        <translation>New task: %1</translation>
    </message>
    <message>
        <source>Aufgabe: %1</source>
        <translation>Task: %1</translation>
    </message>
    <message>
        <source>Hinweis:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Alt+L</source>
        <translation>Alt+W</translation>
    </message>
</context>
<context>
    <name>Loesungsweg</name>
    <message>
        <source>Realteile und Imaginärteile getrennt addieren:</source>
        <translation>Add the real parts and the imaginary parts separately:</translation>
    </message>
    <message>
        <source>Realteile und Imaginärteile getrennt subtrahieren:</source>
        <translation>Subtract the real parts and the imaginary parts separately:</translation>
    </message>
    <message>
        <source>Der Betrag ist die Wurzel aus der Summe der Quadrate von Realteil und Imaginärteil:</source>
        <translation>The modulus is the square root of the sum of the squares of the real and the imaginary part:</translation>
    </message>
    <message>
        <source>Jeden Teil mit jedem Teil multiplizieren:</source>
        <translation>Multiply each part by each part:</translation>
    </message>
    <message>
        <source>Realteil und Imaginärteil zusammenfassen:</source>
        <translation>Collect the real part and the imaginary part:</translation>
    </message>
    <message>
        <source>Zähler und Nenner mit dem konjugiert komplexen Divisor erweitern:</source>
        <translation>Multiply numerator and denominator by the complex conjugate of the divisor:</translation>
    </message>
    <message>
        <source>Zähler:</source>
        <translation>Numerator:</translation>
    </message>
    <message>
        <source>Nenner:</source>
        <translation>Denominator:</translation>
    </message>
    <message>
        <source>Verlangt ist die Form x+jy bzw. x-jy, ohne Leerzeichen und Klammern.</source>
        <translation>The form asked for is x+jy or x-jy, without spaces or brackets.</translation>
    </message>
    <message>
        <source>Verlangt ist der Betrag als ganze Zahl.</source>
        <translation>The modulus is asked for as a whole number.</translation>
    </message>
    <message>
        <source>Verlangt sind drei ganze Zahlen: Realteil und Imaginärteil des Zählers und der Nenner.</source>
        <translation>Three whole numbers are asked for: the real and the imaginary part of the numerator, and the denominator.</translation>
    </message>
    <message>
        <source>Verlangt ist der ungekürzte Bruch, der beim Erweitern mit dem konjugiert komplexen Divisor entsteht.</source>
        <translation>The fraction asked for is the unreduced one you get by multiplying by the complex conjugate of the divisor.</translation>
    </message>
    <message>
        <source>Leerzeichen gehören nicht in die Eingabe.</source>
        <translation>Spaces do not belong in the answer.</translation>
    </message>
    <message>
        <source>Klammern gehören nicht in die Eingabe.</source>
        <translation>Brackets do not belong in the answer.</translation>
    </message>
    <message>
        <source>Das j steht vor der Zahl: j4, nicht 4j.</source>
        <translation>The j comes before the number: j4, not 4j.</translation>
    </message>
    <message>
        <source>Die imaginäre Einheit wird als kleines j geschrieben.</source>
        <translation>The imaginary unit is written as a small j.</translation>
    </message>
    <message>
        <source>Zahlen werden ohne Pluszeichen, führende Nullen und Nachkommastellen geschrieben.</source>
        <translation>Numbers are written without a plus sign, leading zeros or decimals.</translation>
    </message>
    <message>
        <source>Der Realteil hat das falsche Vorzeichen.</source>
        <translation>The real part has the wrong sign.</translation>
    </message>
    <message>
        <source>Der Imaginärteil hat das falsche Vorzeichen.</source>
        <translation>The imaginary part has the wrong sign.</translation>
    </message>
    <message>
        <source>Ein Betrag ist nie negativ.</source>
        <translation>A modulus is never negative.</translation>
    </message>
    <message>
        <source>Der Realteil des Zählers hat das falsche Vorzeichen.</source>
        <translation>The real part of the numerator has the wrong sign.</translation>
    </message>
    <message>
        <source>Der Imaginärteil des Zählers hat das falsche Vorzeichen.</source>
        <translation>The imaginary part of the numerator has the wrong sign.</translation>
    </message>
    <message>
        <source>Der Nenner hat das falsche Vorzeichen.</source>
        <translation>The denominator has the wrong sign.</translation>
    </message>
    <message>
        <source>Aufgabe:</source>
        <translation>Task:</translation>
    </message>
    <message>
        <source>Rechnung:</source>
        <translation>Calculation:</translation>
    </message>
    <message>
        <source>Ergebnis:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>Eingegeben:</source>
        <translation>Your answer:</translation>
    </message>
    <message>
        <source>Lösungsweg</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>Es wurde nichts eingegeben.</source>
        <translation>Nothing was entered.</translation>
    </message>
    <message>
        <source>Die Eingabe lässt sich nicht als Zahl lesen.</source>
        <translation>The answer cannot be read as a number.</translation>
    </message>
    <message>
        <source>Der Wert stimmt, nur die Schreibweise nicht.</source>
        <translation>The value is right, only the way it is written is not.</translation>
    </message>
    <message>
        <source>Das ist die Summe der Quadrate; der Betrag ist ihre Wurzel:</source>
        <translation>That is the sum of the squares; the modulus is its square root:</translation>
    </message>
    <message>
        <source>Realteil und Imaginärteil des Zählers sind vertauscht.</source>
        <translation>The real and the imaginary part of the numerator are swapped.</translation>
    </message>
    <message>
        <source>Realteil und Imaginärteil sind vertauscht.</source>
        <translation>The real and the imaginary part are swapped.</translation>
    </message>
    <message>
        <source>Beide Teile gehören in die Eingabe, auch ein Teil, der null ist.</source>
        <translation>Write both parts, even a part that is zero.</translation>
    </message>
    <message>
        <source>Das Minus ist ein typografisches Zeichen (− oder –); getippt wird das Minus der Tastatur (-).</source>
        <translation>The minus is a typographic sign (− or –); type the keyboard&apos;s minus (-) instead.</translation>
    </message>
    <message>
        <source>Zwei Vorzeichen hintereinander werden zu einem: aus +- wird -.</source>
        <translation>Two signs in a row become one: +- is written -.</translation>
    </message>
    <message>
        <source>Das Vorzeichen des Imaginärteils steht vor dem j: 3-j4, nicht 3+j-4.</source>
        <translation>The sign of the imaginary part goes before the j: 3-j4, not 3+j-4.</translation>
    </message>
    <message>
        <source>Zwischen j und Zahl steht kein Malzeichen: j4, nicht j*4.</source>
        <translation>No multiplication sign goes between j and the number: j4, not j*4.</translation>
    </message>
    <message>
        <source>Der Realteil steht vorn, der Imaginärteil dahinter.</source>
        <translation>The real part comes first, the imaginary part after it.</translation>
    </message>
    <message>
        <source>Null wird ohne Minus geschrieben: +j0, nicht -j0.</source>
        <translation>Zero is written without a minus: +j0, not -j0.</translation>
    </message>
    <message>
        <source>Der Betrag ist eine reelle Zahl; er wird ohne j geschrieben.</source>
        <translation>The modulus is a real number; it is written without j.</translation>
    </message>
    <message>
        <source>Das j steht schon vor dem Feld; in das Feld gehört nur die Zahl.</source>
        <translation>The j is already printed before the field; the field takes only the number.</translation>
    </message>
    <message>
        <source>den Realteil des Zählers</source>
        <translation>the real part of the numerator</translation>
    </message>
    <message>
        <source>den Imaginärteil des Zählers</source>
        <translation>the imaginary part of the numerator</translation>
    </message>
    <message>
        <source>den Nenner</source>
        <translation>the denominator</translation>
    </message>
    <message>
        <source>Das Feld für %1 ist leer.</source>
        <translation>The field for %1 is empty.</translation>
    </message>
    <message>
        <source>Das Feld für %1 lässt sich nicht als Zahl lesen.</source>
        <translation>The field for %1 cannot be read as a number.</translation>
    </message>
    <message>
        <source>Die Felder für %1 und %2 sind leer.</source>
        <translation>The fields for %1 and %2 are empty.</translation>
    </message>
    <message>
        <source>Die Felder für %1 und %2 lassen sich nicht als Zahl lesen.</source>
        <translation>The fields for %1 and %2 cannot be read as numbers.</translation>
    </message>
    <message>
        <source>Die Felder für %1, %2 und %3 lassen sich nicht als Zahl lesen.</source>
        <translation>The fields for %1, %2 and %3 cannot be read as numbers.</translation>
    </message>
    <message>
        <source>Der Realteil stimmt nicht.</source>
        <translation>The real part is wrong.</translation>
    </message>
    <message>
        <source>Der Imaginärteil stimmt nicht.</source>
        <translation>The imaginary part is wrong.</translation>
    </message>
    <message>
        <source>Realteil und Imaginärteil stimmen beide nicht.</source>
        <translation>The real part and the imaginary part are both wrong.</translation>
    </message>
    <message>
        <source>Der Betrag stimmt nicht.</source>
        <translation>The modulus is wrong.</translation>
    </message>
    <message>
        <source>Der Realteil des Zählers stimmt nicht.</source>
        <translation>The real part of the numerator is wrong.</translation>
    </message>
    <message>
        <source>Der Imaginärteil des Zählers stimmt nicht.</source>
        <translation>The imaginary part of the numerator is wrong.</translation>
    </message>
    <message>
        <source>Der Nenner stimmt nicht.</source>
        <translation>The denominator is wrong.</translation>
    </message>
    <message>
        <source>Realteil und Imaginärteil des Zählers stimmen beide nicht.</source>
        <translation>The real and the imaginary part of the numerator are both wrong.</translation>
    </message>
    <message>
        <source>Der Realteil des Zählers und der Nenner stimmen nicht.</source>
        <translation>The real part of the numerator and the denominator are wrong.</translation>
    </message>
    <message>
        <source>Der Imaginärteil des Zählers und der Nenner stimmen nicht.</source>
        <translation>The imaginary part of the numerator and the denominator are wrong.</translation>
    </message>
    <message>
        <source>Keine der drei Zahlen stimmt.</source>
        <translation>None of the three numbers is right.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wäre im Zähler und im Nenner j² = +1 gerechnet worden; es gilt aber j² = −1.</source>
        <translation>It looks as if j² had been taken as +1 in the numerator and in the denominator; but j² = −1.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wäre im Zähler j² = +1 gerechnet worden; es gilt aber j² = −1.</source>
        <translation>It looks as if j² had been taken as +1 in the numerator; but j² = −1.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wäre im Nenner j² = +1 gerechnet worden; es gilt aber j² = −1.</source>
        <translation>It looks as if j² had been taken as +1 in the denominator; but j² = −1.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wäre beim Ausmultiplizieren j² = +1 gerechnet worden; es gilt aber j² = −1.</source>
        <translation>It looks as if j² had been taken as +1 when multiplying out; but j² = −1.</translation>
    </message>
    <message>
        <source>In der verlangten Form:</source>
        <translation>In the required form:</translation>
    </message>
    <message>
        <source>Der Wert stimmt, nur ist die Wurzel noch zu ziehen:</source>
        <translation>The value is right, but the square root is still to be taken:</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wären Zähler und Nenner mit dem Divisor selbst erweitert worden. Erweitert wird mit dem konjugiert komplexen Divisor: das Vorzeichen seines Imaginärteils wechselt.</source>
        <translation>It looks as if numerator and denominator had been multiplied by the divisor itself. They are multiplied by the complex conjugate of the divisor: the sign of its imaginary part changes.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wäre die erste Zahl von der zweiten abgezogen worden; abgezogen wird aber die zweite von der ersten.</source>
        <translation>It looks as if the first number had been subtracted from the second; but the second is subtracted from the first.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wäre addiert worden; die Aufgabe verlangt aber die Differenz.</source>
        <translation>It looks as if the numbers had been added; but the task asks for their difference.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wäre subtrahiert worden; die Aufgabe verlangt aber die Summe.</source>
        <translation>It looks as if the numbers had been subtracted; but the task asks for their sum.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wären nur Realteil mal Realteil und Imaginärteil mal Imaginärteil gerechnet worden. Beim Ausmultiplizieren wird aber jeder Teil mit jedem Teil multipliziert.</source>
        <translation>It looks as if only real part times real part and imaginary part times imaginary part had been worked out. But multiplying out takes each part times each part.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wäre bei einer Zahl der Aufgabe das Vorzeichen vor dem j falsch gelesen worden. Sie lautet:</source>
        <translation>It looks as if the sign before the j of one of the task&apos;s numbers had been misread. The number is:</translation>
    </message>
    <message>
        <source>Es sieht so aus, als stünde im Nenner der Betrag des Divisors. Beim Erweitern entsteht aber sein Quadrat: c² + d².</source>
        <translation>It looks as if the denominator were the modulus of the divisor. But multiplying by the conjugate gives its square: c² + d².</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wären Realteil und Imaginärteil addiert worden. Der Betrag ist aber die Wurzel aus der Summe ihrer Quadrate.</source>
        <translation>It looks as if the real and the imaginary part had been added. But the modulus is the square root of the sum of their squares.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wären die Beträge von Realteil und Imaginärteil addiert worden. Der Betrag ist aber die Wurzel aus der Summe ihrer Quadrate.</source>
        <translation>It looks as if the absolute values of the real and the imaginary part had been added. But the modulus is the square root of the sum of their squares.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wäre das Quadrat des Imaginärteils abgezogen worden. Unter der Wurzel steht die Summe der Quadrate; das j gehört nicht zum Imaginärteil.</source>
        <translation>It looks as if the square of the imaginary part had been subtracted. Under the root stands the sum of the squares; the j is not part of the imaginary part.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als fehlte das j vor dem Imaginärteil.</source>
        <translation>It looks as if the j before the imaginary part is missing.</translation>
    </message>
    <message>
        <source>Realteil und Imaginärteil haben beide das falsche Vorzeichen.</source>
        <translation>The real part and the imaginary part both have the wrong sign.</translation>
    </message>
    <message>
        <source>Doppelte Vorzeichen auflösen:</source>
        <translation>Resolve the double signs:</translation>
    </message>
    <message>
        <source>Mit j² = −1:</source>
        <translation>With j² = −1:</translation>
    </message>
    <message>
        <source>Der konjugiert komplexe Divisor hat das andere Vorzeichen vor dem j:</source>
        <translation>The complex conjugate of the divisor has the other sign before the j:</translation>
    </message>
    <message>
        <source>Hier liegt der Fehler:</source>
        <translation>This is where it went wrong:</translation>
    </message>
    <message>
        <source>Was nicht stimmt</source>
        <translation>What went wrong</translation>
    </message>
    <message>
        <source>Den Bruch ungekürzt lassen, sein Wert als x + jy:</source>
        <translation>Leave the fraction unreduced; its value as x + jy:</translation>
    </message>
    <message>
        <source>Verlangt sind der Betrag und der Winkel in Grad, jeder in seinem Feld, auf zwei Nachkommastellen gerundet, der Winkel auf mindestens eine.</source>
        <translation>The modulus and the angle in degrees are asked for, each in its own field, rounded to two decimals, the angle to at least one.</translation>
    </message>
    <message>
        <source>Verlangt ist die Form x+jy, Realteil und Imaginärteil auf zwei Nachkommastellen gerundet.</source>
        <translation>The form asked for is x+jy, the real and the imaginary part rounded to two decimals.</translation>
    </message>
    <message>
        <source>Der Winkel hat das falsche Vorzeichen.</source>
        <translation>The angle has the wrong sign.</translation>
    </message>
    <message>
        <source>Realteil positiv, Imaginärteil positiv: z liegt im 1. Quadranten.</source>
        <translation>Real part positive, imaginary part positive: z lies in the first quadrant.</translation>
    </message>
    <message>
        <source>Realteil negativ, Imaginärteil positiv: z liegt im 2. Quadranten.</source>
        <translation>Real part negative, imaginary part positive: z lies in the second quadrant.</translation>
    </message>
    <message>
        <source>Realteil negativ, Imaginärteil negativ: z liegt im 3. Quadranten.</source>
        <translation>Real part negative, imaginary part negative: z lies in the third quadrant.</translation>
    </message>
    <message>
        <source>Realteil positiv, Imaginärteil negativ: z liegt im 4. Quadranten.</source>
        <translation>Real part positive, imaginary part negative: z lies in the fourth quadrant.</translation>
    </message>
    <message>
        <source>Imaginärteil null, Realteil positiv: z liegt auf der positiven reellen Achse.</source>
        <translation>Imaginary part zero, real part positive: z lies on the positive real axis.</translation>
    </message>
    <message>
        <source>Realteil null, Imaginärteil positiv: z liegt auf der positiven imaginären Achse.</source>
        <translation>Real part zero, imaginary part positive: z lies on the positive imaginary axis.</translation>
    </message>
    <message>
        <source>Imaginärteil null, Realteil negativ: z liegt auf der negativen reellen Achse.</source>
        <translation>Imaginary part zero, real part negative: z lies on the negative real axis.</translation>
    </message>
    <message>
        <source>Realteil null, Imaginärteil negativ: z liegt auf der negativen imaginären Achse.</source>
        <translation>Real part zero, imaginary part negative: z lies on the negative imaginary axis.</translation>
    </message>
    <message>
        <source>Im 1. Quadranten ist φ = α:</source>
        <translation>In the first quadrant, φ = α:</translation>
    </message>
    <message>
        <source>Im 2. Quadranten ist φ = 180° − α:</source>
        <translation>In the second quadrant, φ = 180° − α:</translation>
    </message>
    <message>
        <source>Im 3. Quadranten ist φ = α − 180°:</source>
        <translation>In the third quadrant, φ = α − 180°:</translation>
    </message>
    <message>
        <source>Im 4. Quadranten ist φ = −α:</source>
        <translation>In the fourth quadrant, φ = −α:</translation>
    </message>
    <message>
        <source>Der Winkel ist der Winkel der Achse:</source>
        <translation>The angle is the angle of the axis:</translation>
    </message>
    <message>
        <source>Betrag: r = √(x² + y²)</source>
        <translation>Modulus: r = √(x² + y²)</translation>
    </message>
    <message>
        <source>Der Winkel im rechtwinkligen Dreieck aus |x| und |y|, mit dem Taschenrechner in Grad: α = arctan(|y| / |x|)</source>
        <translation>The angle in the right triangle of |x| and |y|, with the calculator in degrees: α = arctan(|y| / |x|)</translation>
    </message>
    <message>
        <source>In Polarform und in Exponentialform:</source>
        <translation>In polar form and in exponential form:</translation>
    </message>
    <message>
        <source>Realteil: x = r · cos φ</source>
        <translation>Real part: x = r · cos φ</translation>
    </message>
    <message>
        <source>Imaginärteil: y = r · sin φ</source>
        <translation>Imaginary part: y = r · sin φ</translation>
    </message>
    <message>
        <source>In kartesischer Form:</source>
        <translation>In cartesian form:</translation>
    </message>
    <message>
        <source>Beträge dividieren, Winkel subtrahieren:</source>
        <translation>Divide the moduli, subtract the angles:</translation>
    </message>
    <message>
        <source>Beträge multiplizieren, Winkel addieren:</source>
        <translation>Multiply the moduli, add the angles:</translation>
    </message>
    <message>
        <source>Den Winkel um 360° verschieben, bis er zwischen −180° und 180° liegt:</source>
        <translation>Shift the angle by 360° until it lies between −180° and 180°:</translation>
    </message>
    <message>
        <source>In Exponentialform:</source>
        <translation>In exponential form:</translation>
    </message>
    <message>
        <source>Beide Zeiger in die kartesische Form umrechnen, x = r · cos φ und y = r · sin φ:</source>
        <translation>Convert both phasors to cartesian form, x = r · cos φ and y = r · sin φ:</translation>
    </message>
    <message>
        <source>Der Winkel fehlt.</source>
        <translation>The angle is missing.</translation>
    </message>
    <message>
        <source>Der Betrag fehlt.</source>
        <translation>The modulus is missing.</translation>
    </message>
    <message>
        <source>Der Winkel liegt im falschen Quadranten: arctan gibt nur Winkel zwischen −90° und 90°.</source>
        <translation>The angle lies in the wrong quadrant: arctan gives only angles between −90° and 90°.</translation>
    </message>
    <message>
        <source>In welchem Quadranten z liegt, zeigen die Vorzeichen von Realteil und Imaginärteil; danach richtet sich φ.</source>
        <translation>The signs of the real and the imaginary part show which quadrant z lies in, and φ follows from that.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wären x und y im arctan vertauscht; das gibt 90° − φ. Der Winkel im Dreieck ist α = arctan(|y| / |x|).</source>
        <translation>It looks as if x and y were swapped in the arctan; that gives 90° − φ. The angle in the triangle is α = arctan(|y| / |x|).</translation>
    </message>
    <message>
        <source>Es sieht so aus, als hätte der Taschenrechner cos und sin im Bogenmaß (RAD) gerechnet. Der Winkel ist in Grad gegeben: auf DEG umstellen.</source>
        <translation>It looks as if the calculator took cos and sin in radians (RAD). The angle is given in degrees: switch the calculator to DEG.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wäre der Winkel im Bogenmaß (RAD) gerechnet worden. Verlangt ist er in Grad: den Taschenrechner auf DEG umstellen.</source>
        <translation>It looks as if the angle was worked out in radians (RAD). It is asked for in degrees: switch the calculator to DEG.</translation>
    </message>
    <message>
        <source>Es sieht so aus, als wären cos und sin vertauscht: x = r · cos φ und y = r · sin φ.</source>
        <translation>It looks as if cos and sin were swapped: x = r · cos φ and y = r · sin φ.</translation>
    </message>
    <message>
        <source>Beim Dividieren werden die Winkel subtrahiert, nicht addiert: φ = φ₁ − φ₂.</source>
        <translation>When dividing, the angles are subtracted, not added: φ = φ₁ − φ₂.</translation>
    </message>
    <message>
        <source>Beim Multiplizieren werden die Winkel addiert, nicht subtrahiert: φ = φ₁ + φ₂.</source>
        <translation>When multiplying, the angles are added, not subtracted: φ = φ₁ + φ₂.</translation>
    </message>
    <message>
        <source>Die Beträge zweier Zeiger addieren sich nur, wenn beide in dieselbe Richtung zeigen. Zeiger werden in kartesischer Form addiert.</source>
        <translation>The moduli of two phasors add up only when both point the same way. Phasors are added in cartesian form.</translation>
    </message>
    <message>
        <source>Beim Multiplizieren werden die Beträge multipliziert, nicht addiert: r = r₁ · r₂.</source>
        <translation>When multiplying, the moduli are multiplied, not added: r = r₁ · r₂.</translation>
    </message>
    <message>
        <source>Beim Dividieren werden die Beträge dividiert, nicht subtrahiert: r = r₁ / r₂.</source>
        <translation>When dividing, the moduli are divided, not subtracted: r = r₁ / r₂.</translation>
    </message>
    <message>
        <source>In Polarform lassen sich Zeiger nicht addieren: (r₁ + r₂)∠(φ₁ + φ₂) ist nicht ihre Summe.</source>
        <translation>Phasors cannot be added in polar form: (r₁ + r₂)∠(φ₁ + φ₂) is not their sum.</translation>
    </message>
    <message>
        <source>Beide Zeiger in die kartesische Form umrechnen, Realteile und Imaginärteile addieren, dann zurück in die Polarform.</source>
        <translation>Convert both phasors to cartesian form, add the real parts and the imaginary parts, then go back to polar form.</translation>
    </message>
    <message>
        <source>Knapp daneben: Es sieht so aus, als wäre zu grob gerundet worden. In jedem Zwischenergebnis zwei Nachkommastellen behalten, beim Winkel mindestens eine.</source>
        <translation>Close, but not close enough: it looks as if something was rounded too coarsely. Keep two decimals in every intermediate result, at least one in an angle.</translation>
    </message>
    <message>
        <source>Der Winkel stimmt nicht.</source>
        <translation>The angle is wrong.</translation>
    </message>
    <message>
        <source>Betrag und Winkel stimmen beide nicht.</source>
        <translation>The modulus and the angle are both wrong.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Programmsymbol</source>
        <translation>Program icon</translation>
    </message>
    <message>
        <source>Das Programmsymbol: 5+4i in dunkelroter Schrift auf hellem Türkis.</source>
        <translation>The program icon: 5+4i in dark red letters on light turquoise.</translation>
    </message>
    <message>
        <source>Porträt</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Ein Porträt im Stil eines alten Kupferstichs: Brustbild einer Person in einem ovalen Rahmen.</source>
        <translation>A portrait in the style of an old copper engraving: head and shoulders of a person in an oval frame.</translation>
    </message>
    <message>
        <source>Die Geschichte von den i´s und j´s</source>
        <translation>The story of the i’s and j’s</translation>
    </message>
    <message>
        <source>Die Geschichte von den i´s und j´s. In der Mathematik wird die imaginäre Einheit üblicherweise mit dem Buchstaben i bezeichnet. In den Ingenieur- und Naturwissenschaften verwendet man dagegen meist den Buchstaben j, um Verwechslungen mit dem zeitabhängigen Strom i bzw. i(t) zu vermeiden. Dieses Programm schreibt die imaginäre Einheit deshalb als j.</source>
        <translation>The story of the i’s and j’s. In mathematics, the imaginary unit is usually written with the letter i. In engineering and the natural sciences, however, the letter j is mostly used instead, to avoid confusion with the time-dependent current i or i(t). This program therefore writes the imaginary unit as j.</translation>
    </message>
    <message>
        <source>Definition der imaginären Einheit und der imaginären Zahl; Definition einer komplexen Zahl</source>
        <translation>Definition of the imaginary unit and of an imaginary number; Definition of a complex number</translation>
    </message>
    <message>
        <source>Definition der imaginären Einheit und der imaginären Zahl. Die formale Wurzel √−1 (Wurzel aus minus 1) heißt imaginäre Einheit und wird mit j bezeichnet: j = √−1, also j² = −1 (j hoch 2 gleich minus 1). Eine imaginäre Zahl b · j ist das Produkt aus einer reellen Zahl b ≠ 0 und der imaginären Einheit j. Definition einer komplexen Zahl. Eine komplexe Zahl ist die formale Summe aus einer reellen Zahl x und einer imaginären Zahl j · y: z = x + j · y. Sie ist also eine zusammengesetzte Zahl aus einem reellen und einem imaginären Anteil: Realteil von z: Re(z) = x. Imaginärteil von z: Im(z) = y. Eine reelle Zahl kann man als komplexe Zahl auffassen, deren Imaginärteil verschwindet: x = x + j · 0.</source>
        <translation>Definition of the imaginary unit and of an imaginary number. The formal square root √−1 (the square root of minus 1) is called the imaginary unit and is denoted by j: j = √−1, so j² = −1 (j squared is minus 1). An imaginary number b · j is the product of a real number b ≠ 0 and the imaginary unit j. Definition of a complex number. A complex number is the formal sum of a real number x and an imaginary number j · y: z = x + j · y. So it is made up of a real part and an imaginary part: Real part of z: Re(z) = x. Imaginary part of z: Im(z) = y. A real number can be seen as a complex number whose imaginary part is zero: x = x + j · 0.</translation>
    </message>
    <message>
        <source>Der Betrag einer komplexen Zahl</source>
        <translation>The modulus of a complex number</translation>
    </message>
    <message>
        <source>Der Betrag einer komplexen Zahl. Der Betrag einer komplexen Zahl z = x + j · y ist die Länge ihres Zeigers (Vektors) in der komplexen Zahlenebene. Nach den Regeln der Vektorrechnung gilt: |z| = √(x² + y²), der Betrag von z ist die Wurzel aus x hoch 2 plus y hoch 2.</source>
        <translation>The modulus of a complex number. The modulus of a complex number z = x + j · y is the length of its phasor (vector) in the complex plane. By the rules of vector algebra: |z| = √(x² + y²), the modulus of z is the square root of x squared plus y squared.</translation>
    </message>
    <message>
        <source>Addition und Subtraktion von komplexen Zahlen</source>
        <translation>Addition and subtraction of complex numbers</translation>
    </message>
    <message>
        <source>Addition und Subtraktion von komplexen Zahlen. Für die Summe und die Differenz zweier komplexer Zahlen z1 = x1 + j · y1 und z2 = x2 + j · y2 gelten die Regeln: z1 + z2 = (x1 + x2) + j · (y1 + y2) und z1 − z2 = (x1 − x2) + j · (y1 − y2). Hinweis: Addition und Subtraktion lassen sich nur in der kartesischen Form ausführen.</source>
        <translation>Addition and subtraction of complex numbers. For the sum and the difference of two complex numbers z1 = x1 + j · y1 and z2 = x2 + j · y2, these rules hold: z1 + z2 = (x1 + x2) + j · (y1 + y2) and z1 − z2 = (x1 − x2) + j · (y1 − y2). Note: addition and subtraction can only be done in the Cartesian form.</translation>
    </message>
    <message>
        <source>Multiplikation von komplexen Zahlen (kartesisch)</source>
        <translation>Multiplication of complex numbers (Cartesian)</translation>
    </message>
    <message>
        <source>Multiplikation von komplexen Zahlen (kartesisch). Zwei komplexe Zahlen z1 = x1 + j · y1 und z2 = x2 + j · y2 werden multipliziert, indem man die Klammern ausmultipliziert und j² = −1 beachtet. Für das Produkt gilt: z1 · z2 = (x1 · x2 − y1 · y2) + j · (x1 · y2 + x2 · y1).</source>
        <translation>Multiplication of complex numbers (Cartesian). To multiply two complex numbers z1 = x1 + j · y1 and z2 = x2 + j · y2, multiply out the brackets and remember that j² = −1. The product is: z1 · z2 = (x1 · x2 − y1 · y2) + j · (x1 · y2 + x2 · y1).</translation>
    </message>
    <message>
        <source>Division komplexer Zahlen</source>
        <translation>Division of complex numbers</translation>
    </message>
    <message>
        <source>Division komplexer Zahlen. Um zwei komplexe Zahlen z1 = x1 + j · y1 und z2 = x2 + j · y2 zu dividieren, erweitert man den Bruch mit x2 − j · y2, der konjugiert komplexen Zahl des Nenners. So ergibt sich: z1 / z2 = (x1 + j · y1) / (x2 + j · y2) = (x1 · x2 + y1 · y2) / (x2² + y2²) + j · (x2 · y1 − x1 · y2) / (x2² + y2²). Dabei ist x2² gleich x2 hoch 2. Wie bei den reellen Zahlen ist die Division durch 0 verboten: z2 ≠ 0, d. h. x2 und y2 dürfen nicht beide 0 sein. Da Real- und Imaginärteil des Ergebnisses denselben Nenner haben, lässt sich das Ergebnis zu einem einzigen Bruch zusammenfassen. So stellt es auch dieses Programm dar: z1 / z2 = ((x1 · x2 + y1 · y2) + j · (x2 · y1 − x1 · y2)) / (x2² + y2²).</source>
        <translation>Division of complex numbers. To divide two complex numbers z1 = x1 + j · y1 and z2 = x2 + j · y2, multiply the numerator and the denominator of the fraction by x2 − j · y2, the complex conjugate of the denominator. This gives: z1 / z2 = (x1 + j · y1) / (x2 + j · y2) = (x1 · x2 + y1 · y2) / (x2² + y2²) + j · (x2 · y1 − x1 · y2) / (x2² + y2²), where x2² is x2 squared. As with real numbers, division by 0 is not allowed: z2 ≠ 0, i.e. x2 and y2 must not both be 0. Since the real and imaginary parts of the result have the same denominator, the result can be written as a single fraction. This is also how this program shows it: z1 / z2 = ((x1 · x2 + y1 · y2) + j · (x2 · y1 − x1 · y2)) / (x2² + y2²).</translation>
    </message>
    <message>
        <source>Polarform und Exponentialform</source>
        <translation>Polar and exponential form</translation>
    </message>
    <message>
        <source>Polarform und Exponentialform. Eine komplexe Zahl z = x + j · y lässt sich auch durch die Länge r = |z| ihres Zeigers und den Winkel phi zwischen dem Zeiger und der positiven reellen Achse angeben, in Polarform: z = r, Winkel phi, oder in Exponentialform: z = r · e hoch (j phi) = r · (cos phi + j · sin phi). Kartesisch nach polar: r = √(x² + y²), die Wurzel aus x hoch 2 plus y hoch 2, und alpha = arctan(|y| / |x|), der Arkustangens von Betrag y durch Betrag x. Aus alpha ergibt sich phi nach dem Quadranten, in dem der Zeiger liegt: Quadrant I, x &gt; 0 und y &gt; 0: phi = alpha. Quadrant II, x &lt; 0 und y &gt; 0: phi = 180 Grad minus alpha. Quadrant III, x &lt; 0 und y &lt; 0: phi = minus (180 Grad minus alpha). Quadrant IV, x &gt; 0 und y &lt; 0: phi = minus alpha. Auf den Achsen: phi = 0 Grad für x &gt; 0 und y = 0, 90 Grad für x = 0 und y &gt; 0, 180 Grad für x &lt; 0 und y = 0, minus 90 Grad für x = 0 und y &lt; 0. Polar nach kartesisch: x = r · cos phi, y = r · sin phi. Multiplikation und Division: Beim Multiplizieren werden die Beträge multipliziert und die Winkel addiert, beim Dividieren die Beträge dividiert und die Winkel subtrahiert: r1, Winkel phi1, mal r2, Winkel phi2, ist r1 · r2, Winkel phi1 + phi2; r1, Winkel phi1, durch r2, Winkel phi2, ist r1 / r2, Winkel phi1 − phi2. Ein Winkel liegt über minus 180 Grad und höchstens bei 180 Grad; einen Winkel außerhalb bringt man durch Addieren oder Subtrahieren von 360 Grad zurück. Beispiel: 3 + j4: r = √(3² + 4²) = 5, alpha = arctan(4 / 3) = 53,13 Grad, Quadrant I, also 3 + j4 = 5, Winkel 53,13 Grad, = 5 · e hoch (j 53,13 Grad).</source>
        <translation>Polar and exponential form. A complex number z = x + j · y can also be given by the length r = |z| of its phasor and the angle phi between the phasor and the positive real axis, in polar form: z = r, angle phi, or in exponential form: z = r · e to the power of (j phi) = r · (cos phi + j · sin phi). Cartesian to polar: r = √(x² + y²), the square root of x squared plus y squared, and alpha = arctan(|y| / |x|), the arctangent of the absolute value of y over the absolute value of x. Phi follows from alpha by the quadrant the phasor lies in: quadrant I, x &gt; 0 and y &gt; 0: phi = alpha. Quadrant II, x &lt; 0 and y &gt; 0: phi = 180 degrees minus alpha. Quadrant III, x &lt; 0 and y &lt; 0: phi = minus (180 degrees minus alpha). Quadrant IV, x &gt; 0 and y &lt; 0: phi = minus alpha. On the axes: phi = 0 degrees for x &gt; 0 and y = 0, 90 degrees for x = 0 and y &gt; 0, 180 degrees for x &lt; 0 and y = 0, minus 90 degrees for x = 0 and y &lt; 0. Polar to Cartesian: x = r · cos phi, y = r · sin phi. Multiplying and dividing: a product has the product of the moduli and the sum of the angles, a quotient the quotient of the moduli and the difference of the angles: r1, angle phi1, times r2, angle phi2, is r1 · r2, angle phi1 + phi2; r1, angle phi1, divided by r2, angle phi2, is r1 / r2, angle phi1 − phi2. An angle lies above minus 180 degrees and at most at 180 degrees; an angle outside is brought back by adding or subtracting 360 degrees. Example: 3 + j4: r = √(3² + 4²) = 5, alpha = arctan(4 / 3) = 53.13 degrees, quadrant I, so 3 + j4 = 5, angle 53.13 degrees, = 5 · e to the power of (j 53.13 degrees).</translation>
    </message>
</context>
<context>
    <name>Rechnen1</name>
    <message>
        <source>Falsch: %1 ist richtig!</source>
        <translation>Wrong. Correct: %1</translation>
    </message>
</context>
<context>
    <name>Rechnen2</name>
    <message>
        <source>Falsch, richtig ist:</source>
        <translation>Wrong. Correct:</translation>
    </message>
    <message>
        <source>Zähler: %1 %2, Nenner: %3</source>
        <translation>numerator %1 %2, denominator %3</translation>
    </message>
    <message>
        <source>%1 geteilt durch %2</source>
        <translation>%1 divided by %2</translation>
    </message>
</context>
<context>
    <name>Rechnen3</name>
    <message>
        <source>Falsch: %1 ist richtig!</source>
        <translation>Wrong. Correct: %1</translation>
    </message>
</context>
<context>
    <name>SpokenMath</name>
    <message>
        <source>e hoch </source>
        <translation>e to the power </translation>
    </message>
    <message>
        <source>, Winkel </source>
        <translation>, angle </translation>
    </message>
    <message>
        <source> Grad</source>
        <translation> degrees</translation>
    </message>
    <message>
        <source> mal </source>
        <translation> times </translation>
    </message>
    <message>
        <source>minus </source>
        <translation>minus </translation>
    </message>
</context>
<context>
    <name>Template</name>
    <message>
        <source>Feedback bitte an:</source>
        <translation>Send feedback to:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <source>Info über Tessaro</source>
        <translation>About Tessaro</translation>
    </message>
    <message>
        <source>Üben</source>
        <translation>Practise</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Rechenregeln und Definitionen für komplexe Zahlen ansehen:</source>
        <translation>View the rules and definitions for complex numbers:</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Addition und Subtraktion komplexer Zahlen üben</source>
        <translation>Adding and subtracting</translation>
    </message>
    <message>
        <source>Betrag einer komplexen Zahl bilden üben</source>
        <translation>Finding the modulus</translation>
    </message>
    <message>
        <source>Multiplikation üben</source>
        <translation>Multiplying</translation>
    </message>
    <message>
        <source>Division üben</source>
        <translation>Dividing</translation>
    </message>
    <message>
        <source>über Tessaro</source>
        <translation>About Tessaro</translation>
    </message>
    <message>
        <source>Übungsmodus wählen und Rechnen trainieren</source>
        <translation>Choose an exercise mode and practise</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Zurück zum Hauptmenü</source>
        <translation>Back to the main menu</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Meldung bei falscher Antwort</source>
        <translation>Message after a wrong answer</translation>
    </message>
    <message>
        <source>Prozentuale Auswertung</source>
        <translation>Score in percent</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>AUSWERTUNG</source>
        <translation>SCORE</translation>
    </message>
    <message>
        <source>neue Aufgabe</source>
        <translation>New task</translation>
    </message>
    <message>
        <source>Auswertung zurücksetzen</source>
        <translation>Reset score</translation>
    </message>
    <message>
        <source>Meldung bei richtiger Antwort</source>
        <translation>Message after a correct answer</translation>
    </message>
    <message>
        <source>Rechenregel ansehen</source>
        <translation>View the rule</translation>
    </message>
    <message>
        <source>Rechnen</source>
        <translation>Arithmetic</translation>
    </message>
    <message>
        <source>Realteil des Zählers</source>
        <translation>Real part of the numerator</translation>
    </message>
    <message>
        <source>Nenner</source>
        <translation>Denominator</translation>
    </message>
    <message>
        <source>Imaginärteil des Zählers</source>
        <translation>Imaginary part of the numerator</translation>
    </message>
    <message>
        <source>Dividend</source>
        <translation>Dividend</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Richtiger Realteil des Zählers</source>
        <translation>Correct real part of the numerator</translation>
    </message>
    <message>
        <source>Richtiger Nenner</source>
        <translation>Correct denominator</translation>
    </message>
    <message>
        <source>Richtiger Imaginärteil des Zählers</source>
        <translation>Correct imaginary part of the numerator</translation>
    </message>
    <message>
        <source>Der Geschichte von den i´s und j´s</source>
        <translation>The story of the i’s and j’s</translation>
    </message>
    <message>
        <source>Definition und Darstellung einer komplexen Zahl</source>
        <translation>Definition and notation of a complex number</translation>
    </message>
    <message>
        <source>Der Betrag einer komplexen Zahl</source>
        <translation>The modulus of a complex number</translation>
    </message>
    <message>
        <source>Addition und Subtraktion von komplexen Zahlen</source>
        <translation>Addition and subtraction of complex numbers</translation>
    </message>
    <message>
        <source>Multiplikation von komplexen Zahlen</source>
        <translation>Multiplication of complex numbers</translation>
    </message>
    <message>
        <source>Ansehen!</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Division von komplexen Zahlen</source>
        <translation>Division of complex numbers</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Rechenregeln für komplexe Zahlen</source>
        <translation>Rules for complex numbers</translation>
    </message>
    <message>
        <source>REGELN Die Geschichte von den i´s und j´s</source>
        <translation>RULES The story of the i’s and j’s</translation>
    </message>
    <message>
        <source>REGELN Definition und Darstellung</source>
        <translation>RULES Definition and notation</translation>
    </message>
    <message>
        <source>REGELN Betrag</source>
        <translation>RULES Modulus</translation>
    </message>
    <message>
        <source>REGELN Addition</source>
        <translation>RULES Addition</translation>
    </message>
    <message>
        <source>REGELN Multiplikation</source>
        <translation>RULES Multiplication</translation>
    </message>
    <message>
        <source>REGELN Division</source>
        <translation>RULES Division</translation>
    </message>
    <message>
        <source>Lösungsweg</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>Tessaro ist freie Software unter der GNU General Public License, Version 3 oder später, ohne jegliche Gewährleistung.</source>
        <translation>Tessaro is free software under the GNU General Public License, version 3 or later, without any warranty.</translation>
    </message>
    <message>
        <source>Polarform und Exponentialform</source>
        <translation>Polar and exponential form</translation>
    </message>
    <message>
        <source>REGELN Polarform und Exponentialform</source>
        <translation>RULES Polar and exponential form</translation>
    </message>
    <message>
        <source>In Polarform umrechnen</source>
        <translation>Converting to polar form</translation>
    </message>
    <message>
        <source>In kartesische Form umrechnen</source>
        <translation>Converting to Cartesian form</translation>
    </message>
    <message>
        <source>Multiplikation und Division in Polarform</source>
        <translation>Multiplying and dividing in polar form</translation>
    </message>
    <message>
        <source>Zeiger addieren</source>
        <translation>Adding phasors</translation>
    </message>
    <message>
        <source>In dieser Version wird das Rechnen in kartesischer Form und in Polarform trainiert!</source>
        <translation>This version trains arithmetic in Cartesian and in polar form.</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Modulus</translation>
    </message>
    <message>
        <source>Winkel in °</source>
        <translation>Angle in °</translation>
    </message>
</context>
<context>
    <name>tessaro::ComplexPlane</name>
    <message>
        <source>Zahl</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Your answer</translation>
    </message>
    <message>
        <source>konjugiert komplexe Zahl</source>
        <translation>Conjugate</translation>
    </message>
    <message>
        <source>Hilfspfeil</source>
        <translation>Auxiliary arrow</translation>
    </message>
    <message>
        <source>,</source>
        <comment>the decimal mark</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Gaußsche Zahlenebene</source>
        <translation>Complex plane</translation>
    </message>
    <message>
        <source>Winkel %1 = %2</source>
        <translation>Angle %1 = %2</translation>
    </message>
    <message>
        <source>gedreht um %1 = %2</source>
        <translation>Turned by %1 = %2</translation>
    </message>
</context>
<context>
    <name>tessaro::MainMenuDialog</name>
    <message>
        <source>Minimieren</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Info über Tessaro...</source>
        <translation>&amp;About Tessaro...</translation>
    </message>
    <message>
        <source>Kein Übungsmodus gewählt!!</source>
        <translation>Choose an exercise mode first.</translation>
    </message>
</context>
</TS>
