// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/templates/PictureTexts.h"

#include <QtGlobal>

#include <utility>

namespace tessaro {

namespace {

const std::pair<std::string_view, PictureText> kTexts[] = {
    {":/icons/icon130.png",
     {QT_TRANSLATE_NOOP("Picture", "Programmsymbol"),
      QT_TRANSLATE_NOOP("Picture", "Das Programmsymbol: 5+4i in dunkelroter Schrift auf hellem Türkis.")}},
    {":/pictures/portrait133.png",
     {QT_TRANSLATE_NOOP("Picture", "Porträt"),
      QT_TRANSLATE_NOOP(
          "Picture", "Ein Porträt im Stil eines alten Kupferstichs: Brustbild einer Person in einem ovalen Rahmen.")}},
    {":/pictures/page135.png",
     {QT_TRANSLATE_NOOP("Picture", "Die Geschichte von den i´s und j´s"),
      QT_TRANSLATE_NOOP(
          "Picture",
          "Die Geschichte von den i´s und j´s. "
          "In der Mathematik wird die imaginäre Einheit üblicherweise mit dem Buchstaben i bezeichnet. "
          "In den Ingenieur- und Naturwissenschaften verwendet man dagegen meist den Buchstaben j, um Verwechslungen "
          "mit dem zeitabhängigen Strom i bzw. i(t) zu vermeiden. "
          "Dieses Programm schreibt die imaginäre Einheit deshalb als j.")}},
    {":/pictures/page139.png",
     {QT_TRANSLATE_NOOP("Picture",
                        "Definition der imaginären Einheit und der imaginären Zahl; Definition einer komplexen Zahl"),
      QT_TRANSLATE_NOOP(
          "Picture",
          "Definition der imaginären Einheit und der imaginären Zahl. "
          "Die formale Wurzel √−1 (Wurzel aus minus 1) heißt imaginäre Einheit und wird mit j bezeichnet: "
          "j = √−1, also j² = −1 (j hoch 2 gleich minus 1). "
          "Eine imaginäre Zahl b · j ist das Produkt aus einer reellen Zahl b ≠ 0 und der imaginären Einheit j. "
          "Definition einer komplexen Zahl. "
          "Eine komplexe Zahl ist die formale Summe aus einer reellen Zahl x und einer imaginären Zahl j · y: "
          "z = x + j · y. "
          "Sie ist also eine zusammengesetzte Zahl aus einem reellen und einem imaginären Anteil: "
          "Realteil von z: Re(z) = x. Imaginärteil von z: Im(z) = y. "
          "Eine reelle Zahl kann man als komplexe Zahl auffassen, deren Imaginärteil verschwindet: x = x + j · 0.")}},
    {":/pictures/page136.png",
     {QT_TRANSLATE_NOOP("Picture", "Der Betrag einer komplexen Zahl"),
      QT_TRANSLATE_NOOP(
          "Picture",
          "Der Betrag einer komplexen Zahl. "
          "Der Betrag einer komplexen Zahl z = x + j · y ist die Länge ihres Zeigers (Vektors) in der komplexen "
          "Zahlenebene. Nach den Regeln der Vektorrechnung gilt: |z| = √(x² + y²), "
          "der Betrag von z ist die Wurzel aus x hoch 2 plus y hoch 2.")}},
    {":/pictures/page137.png",
     {QT_TRANSLATE_NOOP("Picture", "Addition und Subtraktion von komplexen Zahlen"),
      QT_TRANSLATE_NOOP(
          "Picture",
          "Addition und Subtraktion von komplexen Zahlen. "
          "Für die Summe und die Differenz zweier komplexer Zahlen z1 = x1 + j · y1 und z2 = x2 + j · y2 gelten die "
          "Regeln: z1 + z2 = (x1 + x2) + j · (y1 + y2) und z1 − z2 = (x1 − x2) + j · (y1 − y2). "
          "Hinweis: Addition und Subtraktion lassen sich nur in der kartesischen Form ausführen.")}},
    {":/pictures/page138.png",
     {QT_TRANSLATE_NOOP("Picture", "Multiplikation von komplexen Zahlen (kartesisch)"),
      QT_TRANSLATE_NOOP(
          "Picture",
          "Multiplikation von komplexen Zahlen (kartesisch). "
          "Zwei komplexe Zahlen z1 = x1 + j · y1 und z2 = x2 + j · y2 werden multipliziert, indem man die Klammern "
          "ausmultipliziert und j² = −1 beachtet. Für das Produkt gilt: "
          "z1 · z2 = (x1 · x2 − y1 · y2) + j · (x1 · y2 + x2 · y1).")}},
    {":/pictures/page151.png",
     {QT_TRANSLATE_NOOP("Picture", "Division komplexer Zahlen"),
      QT_TRANSLATE_NOOP(
          "Picture",
          "Division komplexer Zahlen. "
          "Um zwei komplexe Zahlen z1 = x1 + j · y1 und z2 = x2 + j · y2 zu dividieren, erweitert man den Bruch mit "
          "x2 − j · y2, der konjugiert komplexen Zahl des Nenners. So ergibt sich: "
          "z1 / z2 = (x1 + j · y1) / (x2 + j · y2) = (x1 · x2 + y1 · y2) / (x2² + y2²) + j · (x2 · y1 − x1 · y2) / "
          "(x2² + y2²). Dabei ist x2² gleich x2 hoch 2. "
          "Wie bei den reellen Zahlen ist die Division durch 0 verboten: z2 ≠ 0, d. h. x2 und y2 dürfen nicht beide "
          "0 sein. "
          "Da Real- und Imaginärteil des Ergebnisses denselben Nenner haben, lässt sich das Ergebnis zu einem "
          "einzigen Bruch zusammenfassen. So stellt es auch dieses Programm dar: "
          "z1 / z2 = ((x1 · x2 + y1 · y2) + j · (x2 · y1 − x1 · y2)) / (x2² + y2²).")}},
    // The angle sign, the degree sign and the Greek letters in words, so that a screen reader says what they mean.
    {":/pictures/page153.png",
     {QT_TRANSLATE_NOOP("Picture", "Polarform und Exponentialform"),
      QT_TRANSLATE_NOOP(
          "Picture",
          "Polarform und Exponentialform. "
          "Eine komplexe Zahl z = x + j · y lässt sich auch durch die Länge r = |z| ihres Zeigers und den Winkel phi "
          "zwischen dem Zeiger und der positiven reellen Achse angeben, in Polarform: z = r, Winkel phi, oder in "
          "Exponentialform: z = r · e hoch (j phi) = r · (cos phi + j · sin phi). "
          "Kartesisch nach polar: r = √(x² + y²), die Wurzel aus x hoch 2 plus y hoch 2, und "
          "alpha = arctan(|y| / |x|), der Arkustangens von Betrag y durch Betrag x. "
          "Aus alpha ergibt sich phi nach dem Quadranten, in dem der Zeiger liegt: "
          "Quadrant I, x > 0 und y > 0: phi = alpha. "
          "Quadrant II, x < 0 und y > 0: phi = 180 Grad minus alpha. "
          "Quadrant III, x < 0 und y < 0: phi = minus (180 Grad minus alpha). "
          "Quadrant IV, x > 0 und y < 0: phi = minus alpha. "
          "Auf den Achsen: phi = 0 Grad für x > 0 und y = 0, 90 Grad für x = 0 und y > 0, 180 Grad für x < 0 und "
          "y = 0, minus 90 Grad für x = 0 und y < 0. "
          "Polar nach kartesisch: x = r · cos phi, y = r · sin phi. "
          "Multiplikation und Division: Beim Multiplizieren werden die Beträge multipliziert und die Winkel addiert, "
          "beim Dividieren die Beträge dividiert und die Winkel subtrahiert: "
          "r1, Winkel phi1, mal r2, Winkel phi2, ist r1 · r2, Winkel phi1 + phi2; "
          "r1, Winkel phi1, durch r2, Winkel phi2, ist r1 / r2, Winkel phi1 − phi2. "
          "Ein Winkel liegt über minus 180 Grad und höchstens bei 180 Grad; einen Winkel außerhalb bringt man durch "
          "Addieren oder Subtrahieren von 360 Grad zurück. "
          "Beispiel: 3 + j4: r = √(3² + 4²) = 5, alpha = arctan(4 / 3) = 53,13 Grad, Quadrant I, also "
          "3 + j4 = 5, Winkel 53,13 Grad, = 5 · e hoch (j 53,13 Grad).")}},
};

}  // namespace

PictureText pictureText(std::string_view resourcePath) {
    for (const auto& [path, text] : kTexts)
        if (path == resourcePath)
            return text;
    return {"", ""};
}

}  // namespace tessaro
