// The texts of the four information windows, each one text for the translation. In German
// headings start at the margin, body lines carry a three-blank indent and are broken by hand
// at about 55 characters.
#include "shell/InfoWindow.h"

namespace varelo {

namespace {

const char *const kMirrorText =
    QT_TRANSLATE_NOOP("varelo::InfoWindow",
    "Didaktisches Anliegen des Programms\n"
    "   Das Programm macht die Abbildung durch ebene und \n"
    "   sphärische Spiegel allein aus dem Reflexionsgesetz\n"
    "   verständlich. Statt der drei ausgezeichneten Strah-\n"
    "   len der Schuloptik werden Bündel von Strahlen ver-\n"
    "   folgt, die vom Objektpunkt P ausgehen. Jeder Strahl\n"
    "   wird einzeln nach dem Reflexionsgesetz am Spiegel\n"
    "   reflektiert; die einblendbaren Einfallslote zeigen,\n"
    "   daß jeder Strahl dieses Gesetz befolgt.\n"
    "   Ein starker Zoom macht deutlich, warum das Reflexi-\n"
    "   onsgesetz auch an einer gekrümmten Fläche gilt: Im\n"
    "   Kleinen \"sieht\" der Strahl eine praktisch ebene\n"
    "   Spiegelfläche.\n"
    "   Ausdrucke in hoher Auflösung eignen sich als Folien-\n"
    "   vorlagen und zum Nachmessen von Winkeln.\n"
    "   \n"
    "   Die wichtigste Beobachtung: Ein sphärischer Spiegel\n"
    "   macht aus einem von P ausgehenden, zentrierten Bün-\n"
    "   del ein kaustisches Bündel. Seine Strahlen berühren\n"
    "   eine gemeinsame Hüllkurve, die Katakaustik. Nur der\n"
    "   ebene Spiegel läßt Bündel zentriert; sphärische\n"
    "   Spiegel liefern daher grundsätzlich nur unscharfe\n"
    "   Bilder.\n"
    "   Daß wir trotzdem scharfe Bilder sehen, liegt am\n"
    "   Auge: Seine Pupille wählt aus dem Bündel ein schlan-\n"
    "   kes, nahezu zentriertes Teilbündel aus. Setzen Sie\n"
    "   ein Auge als Markierung vor den Spiegel und wählen\n"
    "   Sie durch Ziehen mit der Maus die Strahlen aus, die\n"
    "   in das Auge gelangen. Auch eine kleine Spiegelöff-\n"
    "   nung liefert ein nahezu zentriertes Bildbündel.");

const char *const kRayPathText =
    QT_TRANSLATE_NOOP("varelo::InfoWindow",
    "Allgemeines\n"
    "   Das Programm zeigt das Verhalten von Lichtstrahlen,\n"
    "   die von einem Objektpunkt P ausgehen und auf die\n"
    "   ebene Grenzfläche zwischen zwei Medien treffen.\n"
    "   Neben den gebrochenen Strahlen lassen sich über die\n"
    "   Optionen auch die gespiegelten Strahlen, die rück-\n"
    "   wärtigen Verlängerungen der gebrochenen und der\n"
    "   gespiegelten Strahlen sowie die Einfallslote ein-\n"
    "   blenden.\n"
    "   \n"
    "Bewegen des Objektpunktes P, Ändern der Brechzahl   \n"
    "   Der Objektpunkt P wird mit gedrückter rechter Maus-\n"
    "   taste an eine beliebige Stelle oberhalb oder unter-\n"
    "   halb der Grenzfläche gezogen. Die relative Brechzahl\n"
    "   wird mit dem Rollbalken eingestellt; das optisch\n"
    "   dünnere Medium hat dabei stets die Brechzahl 1.\n"
    "   \n"
    "Starten von Lichtstrahlen    \n"
    "   Drückt man die linke Maustaste, so erscheint ein\n"
    "   Strahl von P durch die Position des Mauszeigers.\n"
    "   Er folgt dem Mauszeiger, bis die Taste losgelassen\n"
    "   wird; dann bleibt er erhalten. Bis zu 100 Strahlen\n"
    "   sind möglich. Die gebrochenen Strahlen bilden ein\n"
    "   kaustisches, kein zentriertes Bündel.\n"
    "   \n"
    "Markieren von Bildpunkten und Augen \n"
    "   Ein schlankes Teilbündel bildet P näherungsweise in\n"
    "   einen Punkt P' ab. P' wird mit dem Punkt-Symbol mar-\n"
    "   kiert. Mit dem Augen-Symbol läßt sich das ausgewähl-\n"
    "   te Teilbündel kennzeichnen; das Auge blickt dabei\n"
    "   selbsttätig zu dem zuvor markierten Punkt.\n"
    "   \n"
    "Winkelmesser und Zusammenhang zwischen Alpha und Beta \n"
    "   Eine optische Scheibe (Winkelmesser) kann in das\n"
    "   Bild gesetzt werden, um Einfalls- und Brechungs-\n"
    "   winkel zu vergleichen. Mit seinem Symbol läßt sich\n"
    "   ein Diagramm des Zusammenhangs zwischen Einfalls-\n"
    "   und Brechungswinkel einblenden und ablesen.\n"
    "   \n"
    "Drucken   \n"
    "   Ein Ausdruck in hoher Auflösung eignet sich z.B. als\n"
    "   Vorlage für eine Overhead-Folie. Der Drucker sollte\n"
    "   auf Hochformat eingestellt werden. Der Aufbau des\n"
    "   Bildes braucht etwas Zeit.\n"
    "   \n"
    "Speichern des Bildes in einer Datei  \n"
    "   Das Bild wird im bmp-Format gespeichert; der Name\n"
    "   muß die Endung .bmp tragen. Fehlt eine Pfadangabe,\n"
    "   dann ist dem Dateinamen der Ordner vorangestellt,\n"
    "   aus dem heraus das Programm gestartet wurde.");

const char *const kImagingText =
    QT_TRANSLATE_NOOP("varelo::InfoWindow",
    "Abbildung einzelner Punkte   \n"
    "   Der abzubildende Objektpunkt P befindet sich in der\n"
    "   unteren Hälfte des Bildes; er wird mit gedrückter\n"
    "   rechter Maustaste an die gewünschte Stelle gezogen.\n"
    "   Das Auge in der oberen Hälfte wählt aus den von P\n"
    "   ausgehenden Strahlen ein schlankes Bündel aus, das\n"
    "   auch nach der Brechung nahezu zentriert bleibt. Sein\n"
    "   Zentrum, der Schnittpunkt der rückwärtigen Verlän-\n"
    "   gerungen, ist als Bildpunkt rot markiert: Dort sieht\n"
    "   das Auge den Objektpunkt.\n"
    "   \n"
    "Bewegen des Auges   \n"
    "   Das Auge wird mit gedrückter linker Maustaste inner-\n"
    "   halb der oberen Bildhälfte verschoben. Bündel und\n"
    "   Bildpunkt folgen ihm; das Auge blickt dabei immer\n"
    "   zum markierten Bildpunkt.\n"
    "   \n"
    "Abbildung von Punktreihen   \n"
    "   Mit der Option Punktreihen lassen sich bis zu 100\n"
    "   Punkte der unteren Hälfte nacheinander mit der rech-\n"
    "   ten Maustaste abbilden. Das Bündel wird nur für den\n"
    "   zuletzt gesetzten Punkt gezeichnet. Bewegt man das\n"
    "   Auge, so werden alle Bildpunkte neu bestimmt.\n"
    "   \n"
    "Punktraster   \n"
    "   Mit der Option Raster erscheinen magnetische Raster-\n"
    "   punkte. Sie helfen, Objektpunkte genau auf einer Ge-\n"
    "   raden aufzureihen; so läßt sich untersuchen, wie ge-\n"
    "   rade Kanten durch die Brechung verformt werden.\n"
    "   \n"
    "Drucken   \n"
    "   Es kann ein Ausdruck in hoher Auflösung erzeugt wer-\n"
    "   den; dazu sollte das Hochformat gewählt werden. Die\n"
    "   Drucker geben punktierte und schattierte Linien un-\n"
    "   terschiedlich wieder.\n"
    "   \n"
    "Speichern des Bildes in einer Datei  \n"
    "   Das Bild wird im bmp-Format gespeichert; der Name\n"
    "   muß die Endung .bmp tragen. Fehlt eine Pfadangabe,\n"
    "   dann ist seinem Namen der Ordner vorangestellt,\n"
    "   aus dem heraus das Programm gestartet wurde.");

const char *const kLensText =
    QT_TRANSLATE_NOOP("varelo::InfoWindow",
    "Allgemeines\n"
    "   Das Programm macht die Abbildung durch sphärische \n"
    "   Linsen allein aus dem Brechungs- und dem Reflexions-\n"
    "   gesetz verständlich. Statt der drei ausgezeichneten\n"
    "   Strahlen der Schuloptik werden Bündel von Strahlen\n"
    "   verfolgt, die vom Objektpunkt P ausgehen. Einfalls-\n"
    "   lote und Winkelmesser machen wie eine optische\n"
    "   Scheibe die Winkel an jeder Fläche ablesbar.\n"
    "   Ausdrucke in hoher Auflösung eignen sich als Folien-\n"
    "   vorlagen.\n"
    "   Neben den durch die Linse gebrochenen Strahlen las-\n"
    "   sen sich die an der Vorder- oder Rückseite gespie-\n"
    "   gelten Strahlen und die Verlängerungen aller Strah-\n"
    "   len ein- und ausblenden. So werden reelle und vir-\n"
    "   tuelle Bilder der Linse ebenso verständlich wie die\n"
    "   Spiegelbilder, die ihre Flächen erzeugen.\n"
    "   \n"
    "Einstellen der Linsenparameter\n"
    "   Einstellbar sind die Radien der beiden Flächen, der\n"
    "   Durchmesser und die Dicke der Linse in der Mitte.\n"
    "   Diese Größen hängen voneinander ab: Ein kleinerer\n"
    "   Radius oder eine geringere Dicke kann einen kleine-\n"
    "   ren Durchmesser erzwingen. Alle Linsenformen lassen\n"
    "   sich einstellen, auch die Grenzfälle der planparal-\n"
    "   lelen Platte und der Kugel.\n"
    "   \n"
    "Vorbelegung\n"
    "   Ein Klick mit der linken Maustaste auf die Felder 1\n"
    "   bis 6 holt die wichtigsten Linsentypen sofort auf\n"
    "   den Bildschirm. Ein Klick mit der rechten Taste legt\n"
    "   die gerade eingestellte Linse in einem Feld ab.\n"
    "   \n"
    "Starten von Lichtstrahlen\n"
    "   Drückt man vor der Linse die linke Maustaste, so wird\n"
    "   ein vom Objektpunkt ausgehender Strahl durch die Linse\n"
    "   sichtbar, es sei denn, die Fassung der Linse oder die\n"
    "   Totalreflexion versperrt ihm den Weg. Beim Loslassen\n"
    "   bleibt der Strahl erhalten. Je nach Option kommen\n"
    "   gespiegelte Strahlen, Verlängerungen und Einfallslote\n"
    "   hinzu. Viele dicht benachbarte Strahlen zeigen ein\n"
    "   Bündel, seine Einschnürung einen Bildpunkt.\n"
    "   \n"
    "Bewegen eines Objektpunktes\n"
    "   Der Objektpunkt P wird mit gedrückter rechter Maus-\n"
    "   taste gezogen; außerhalb des sichtbaren Bildes be-\n"
    "   wegt man ihn mit den Spintasten rechts unten. Ein\n"
    "   bereits gestartetes Bündel folgt dem Objektpunkt und\n"
    "   jeder Änderung der Linsenparameter.\n"
    "   \n"
    "Parallelbündel\n"
    "   Entfernt man P sehr weit von der Linse, so werden\n"
    "   seine Strahlen annähernd parallel. Bei kleinem Zoom-\n"
    "   faktor gelingt das mit der Maus, sonst mit den Spin-\n"
    "   tasten.\n"
    "   \n"
    "Markieren\n"
    "   Punkte, Augensymbole, ein magnetisches Punktraster und\n"
    "   eine gerade Linie als Bildschirm lassen sich setzen:\n"
    "   erst auf das Symbol klicken, dann auf die gewünschte\n"
    "   Stelle des Bildes. Das Auge blickt immer zu dem zu-\n"
    "   letzt markierten Punkt.\n"
    "   \n"
    "Drucken\n"
    "   Die aktuelle Darstellung kann jederzeit in hoher Auf-\n"
    "   lösung ausgedruckt werden. Der Drucker sollte dazu\n"
    "   auf Querformat eingestellt werden.");

} // namespace

InfoWindow *createInfoWindow(FormId id) {
    switch (id) {
    case FormId::SpiegIn:
        return new InfoWindow(
            id, QT_TRANSLATE_NOOP("varelo::InfoWindow", "Didaktische Hinweise zum Programm \" ebene und sphärische Spiegel\""),
            7365, 7860, 7335, 7815, 2, kMirrorText);
    case FormId::BreI1:
        return new InfoWindow(
            id, QT_TRANSLATE_NOOP("varelo::InfoWindow", "Info zum Programm Brechung  an einer ebenen Fläche - Strahlenverlauf"),
            12885, 8775, 7335, 8295, 1, kRayPathText);
    case FormId::BreI2:
        return new InfoWindow(
            id, QT_TRANSLATE_NOOP("varelo::InfoWindow", "Info zum Programm Brechung an einer ebenen Fläche - Abbildung von Punkten"),
            14055, 8595, 7335, 8295, 1, kImagingText);
    case FormId::LinsInf:
        return new InfoWindow(id, QT_TRANSLATE_NOOP("varelo::InfoWindow", "Informationen zum Programm SPHÄRISCHE LINSEN"), 7605,
                              8340, 7335, 7815, 2, kLensText);
    default:
        return nullptr;
    }
}

} // namespace varelo
