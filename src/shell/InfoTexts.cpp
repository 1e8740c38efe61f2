// The texts of the four information windows. Headings start at the margin, body lines
// carry a three-blank indent and are broken by hand at about 55 characters.
#include "shell/InfoWindow.h"

namespace varelo {

namespace {

QStringList mirrorText() {
    return {
        QStringLiteral("Didaktisches Anliegen des Programms"),
        QStringLiteral("   Das Programm macht die Abbildung durch ebene und "),
        QStringLiteral("   sphärische Spiegel allein aus dem Reflexionsgesetz"),
        QStringLiteral("   verständlich. Statt der drei ausgezeichneten Strah-"),
        QStringLiteral("   len der Schuloptik werden Bündel von Strahlen ver-"),
        QStringLiteral("   folgt, die vom Objektpunkt P ausgehen. Jeder Strahl"),
        QStringLiteral("   wird einzeln nach dem Reflexionsgesetz am Spiegel"),
        QStringLiteral("   reflektiert; die einblendbaren Einfallslote zeigen,"),
        QStringLiteral("   daß jeder Strahl dieses Gesetz befolgt."),
        QStringLiteral("   Ein starker Zoom macht deutlich, warum das Reflexi-"),
        QStringLiteral("   onsgesetz auch an einer gekrümmten Fläche gilt: Im"),
        QStringLiteral("   Kleinen \"sieht\" der Strahl eine praktisch ebene"),
        QStringLiteral("   Spiegelfläche."),
        QStringLiteral("   Ausdrucke in hoher Auflösung eignen sich als Folien-"),
        QStringLiteral("   vorlagen und zum Nachmessen von Winkeln."),
        QStringLiteral("   "),
        QStringLiteral("   Die wichtigste Beobachtung: Ein sphärischer Spiegel"),
        QStringLiteral("   macht aus einem von P ausgehenden, zentrierten Bün-"),
        QStringLiteral("   del ein kaustisches Bündel. Seine Strahlen berühren"),
        QStringLiteral("   eine gemeinsame Hüllkurve, die Katakaustik. Nur der"),
        QStringLiteral("   ebene Spiegel läßt Bündel zentriert; sphärische"),
        QStringLiteral("   Spiegel liefern daher grundsätzlich nur unscharfe"),
        QStringLiteral("   Bilder."),
        QStringLiteral("   Daß wir trotzdem scharfe Bilder sehen, liegt am"),
        QStringLiteral("   Auge: Seine Pupille wählt aus dem Bündel ein schlan-"),
        QStringLiteral("   kes, nahezu zentriertes Teilbündel aus. Setzen Sie"),
        QStringLiteral("   ein Auge als Markierung vor den Spiegel und wählen"),
        QStringLiteral("   Sie durch Ziehen mit der Maus die Strahlen aus, die"),
        QStringLiteral("   in das Auge gelangen. Auch eine kleine Spiegelöff-"),
        QStringLiteral("   nung liefert ein nahezu zentriertes Bildbündel."),
    };
}

QStringList rayPathText() {
    return {
        QStringLiteral("Allgemeines"),
        QStringLiteral("   Das Programm zeigt das Verhalten von Lichtstrahlen,"),
        QStringLiteral("   die von einem Objektpunkt P ausgehen und auf die"),
        QStringLiteral("   ebene Grenzfläche zwischen zwei Medien treffen."),
        QStringLiteral("   Neben den gebrochenen Strahlen lassen sich über die"),
        QStringLiteral("   Optionen auch die gespiegelten Strahlen, die rück-"),
        QStringLiteral("   wärtigen Verlängerungen der gebrochenen und der"),
        QStringLiteral("   gespiegelten Strahlen sowie die Einfallslote ein-"),
        QStringLiteral("   blenden."),
        QStringLiteral("   "),
        QStringLiteral("Bewegen des Objektpunktes P, Ändern der Brechzahl   "),
        QStringLiteral("   Der Objektpunkt P wird mit gedrückter rechter Maus-"),
        QStringLiteral("   taste an eine beliebige Stelle oberhalb oder unter-"),
        QStringLiteral("   halb der Grenzfläche gezogen. Die relative Brechzahl"),
        QStringLiteral("   wird mit dem Rollbalken eingestellt; das optisch"),
        QStringLiteral("   dünnere Medium hat dabei stets die Brechzahl 1."),
        QStringLiteral("   "),
        QStringLiteral("Starten von Lichtstrahlen    "),
        QStringLiteral("   Drückt man die linke Maustaste, so erscheint ein"),
        QStringLiteral("   Strahl von P durch die Position des Mauszeigers."),
        QStringLiteral("   Er folgt dem Mauszeiger, bis die Taste losgelassen"),
        QStringLiteral("   wird; dann bleibt er erhalten. Bis zu 100 Strahlen"),
        QStringLiteral("   sind möglich. Die gebrochenen Strahlen bilden ein"),
        QStringLiteral("   kaustisches, kein zentriertes Bündel."),
        QStringLiteral("   "),
        QStringLiteral("Markieren von Bildpunkten und Augen "),
        QStringLiteral("   Ein schlankes Teilbündel bildet P näherungsweise in"),
        QStringLiteral("   einen Punkt P' ab. P' wird mit dem Punkt-Symbol mar-"),
        QStringLiteral("   kiert. Mit dem Augen-Symbol läßt sich das ausgewähl-"),
        QStringLiteral("   te Teilbündel kennzeichnen; das Auge blickt dabei"),
        QStringLiteral("   selbsttätig zu dem zuvor markierten Punkt."),
        QStringLiteral("   "),
        QStringLiteral("Winkelmesser und Zusammenhang zwischen Alpha und Beta "),
        QStringLiteral("   Eine optische Scheibe (Winkelmesser) kann in das"),
        QStringLiteral("   Bild gesetzt werden, um Einfalls- und Brechungs-"),
        QStringLiteral("   winkel zu vergleichen. Mit seinem Symbol läßt sich"),
        QStringLiteral("   ein Diagramm des Zusammenhangs zwischen Einfalls-"),
        QStringLiteral("   und Brechungswinkel einblenden und ablesen."),
        QStringLiteral("   "),
        QStringLiteral("Drucken   "),
        QStringLiteral("   Ein Ausdruck in hoher Auflösung eignet sich z.B. als"),
        QStringLiteral("   Vorlage für eine Overhead-Folie. Der Drucker sollte"),
        QStringLiteral("   auf Hochformat eingestellt werden. Der Aufbau des"),
        QStringLiteral("   Bildes braucht etwas Zeit."),
        QStringLiteral("   "),
        QStringLiteral("Speichern des Bildes in einer Datei  "),
        QStringLiteral("   Das Bild wird im bmp-Format gespeichert; der Name"),
        QStringLiteral("   muß die Endung .bmp tragen. Fehlt eine Pfadangabe,"),
        QStringLiteral("   dann ist dem Dateinamen der Ordner vorangestellt,"),
        QStringLiteral("   aus dem heraus das Programm gestartet wurde."),
    };
}

QStringList imagingText() {
    return {
        QStringLiteral("Abbildung einzelner Punkte   "),
        QStringLiteral("   Der abzubildende Objektpunkt P befindet sich in der"),
        QStringLiteral("   unteren Hälfte des Bildes; er wird mit gedrückter"),
        QStringLiteral("   rechter Maustaste an die gewünschte Stelle gezogen."),
        QStringLiteral("   Das Auge in der oberen Hälfte wählt aus den von P"),
        QStringLiteral("   ausgehenden Strahlen ein schlankes Bündel aus, das"),
        QStringLiteral("   auch nach der Brechung nahezu zentriert bleibt. Sein"),
        QStringLiteral("   Zentrum, der Schnittpunkt der rückwärtigen Verlän-"),
        QStringLiteral("   gerungen, ist als Bildpunkt rot markiert: Dort sieht"),
        QStringLiteral("   das Auge den Objektpunkt."),
        QStringLiteral("   "),
        QStringLiteral("Bewegen des Auges   "),
        QStringLiteral("   Das Auge wird mit gedrückter linker Maustaste inner-"),
        QStringLiteral("   halb der oberen Bildhälfte verschoben. Bündel und"),
        QStringLiteral("   Bildpunkt folgen ihm; das Auge blickt dabei immer"),
        QStringLiteral("   zum markierten Bildpunkt."),
        QStringLiteral("   "),
        QStringLiteral("Abbildung von Punktreihen   "),
        QStringLiteral("   Mit der Option Punktreihen lassen sich bis zu 100"),
        QStringLiteral("   Punkte der unteren Hälfte nacheinander mit der rech-"),
        QStringLiteral("   ten Maustaste abbilden. Das Bündel wird nur für den"),
        QStringLiteral("   zuletzt gesetzten Punkt gezeichnet. Bewegt man das"),
        QStringLiteral("   Auge, so werden alle Bildpunkte neu bestimmt."),
        QStringLiteral("   "),
        QStringLiteral("Punktraster   "),
        QStringLiteral("   Mit der Option Raster erscheinen magnetische Raster-"),
        QStringLiteral("   punkte. Sie helfen, Objektpunkte genau auf einer Ge-"),
        QStringLiteral("   raden aufzureihen; so läßt sich untersuchen, wie ge-"),
        QStringLiteral("   rade Kanten durch die Brechung verformt werden."),
        QStringLiteral("   "),
        QStringLiteral("Drucken   "),
        QStringLiteral("   Es kann ein Ausdruck in hoher Auflösung erzeugt wer-"),
        QStringLiteral("   den; dazu sollte das Hochformat gewählt werden. Die"),
        QStringLiteral("   Drucker geben punktierte und schattierte Linien un-"),
        QStringLiteral("   terschiedlich wieder."),
        QStringLiteral("   "),
        QStringLiteral("Speichern des Bildes in einer Datei  "),
        QStringLiteral("   Das Bild wird im bmp-Format gespeichert; der Name"),
        QStringLiteral("   muß die Endung .bmp tragen. Fehlt eine Pfadangabe,"),
        QStringLiteral("   dann ist seinem Namen der Ordner vorangestellt,"),
        QStringLiteral("   aus dem heraus das Programm gestartet wurde."),
    };
}

QStringList lensText() {
    return {
        QStringLiteral("Allgemeines"),
        QStringLiteral("   Das Programm macht die Abbildung durch sphärische "),
        QStringLiteral("   Linsen allein aus dem Brechungs- und dem Reflexions-"),
        QStringLiteral("   gesetz verständlich. Statt der drei ausgezeichneten"),
        QStringLiteral("   Strahlen der Schuloptik werden Bündel von Strahlen"),
        QStringLiteral("   verfolgt, die vom Objektpunkt P ausgehen. Einfalls-"),
        QStringLiteral("   lote und Winkelmesser machen wie eine optische"),
        QStringLiteral("   Scheibe die Winkel an jeder Fläche ablesbar."),
        QStringLiteral("   Ausdrucke in hoher Auflösung eignen sich als Folien-"),
        QStringLiteral("   vorlagen."),
        QStringLiteral("   Neben den durch die Linse gebrochenen Strahlen las-"),
        QStringLiteral("   sen sich die an der Vorder- oder Rückseite gespie-"),
        QStringLiteral("   gelten Strahlen und die Verlängerungen aller Strah-"),
        QStringLiteral("   len ein- und ausblenden. So werden reelle und vir-"),
        QStringLiteral("   tuelle Bilder der Linse ebenso verständlich wie die"),
        QStringLiteral("   Spiegelbilder, die ihre Flächen erzeugen."),
        QStringLiteral("   "),
        QStringLiteral("Einstellen der Linsenparameter"),
        QStringLiteral("   Einstellbar sind die Radien der beiden Flächen, der"),
        QStringLiteral("   Durchmesser und die Dicke der Linse in der Mitte."),
        QStringLiteral("   Diese Größen hängen voneinander ab: Ein kleinerer"),
        QStringLiteral("   Radius oder eine geringere Dicke kann einen kleine-"),
        QStringLiteral("   ren Durchmesser erzwingen. Alle Linsenformen lassen"),
        QStringLiteral("   sich einstellen, auch die Grenzfälle der planparal-"),
        QStringLiteral("   lelen Platte und der Kugel."),
        QStringLiteral("   "),
        QStringLiteral("Vorbelegung"),
        QStringLiteral("   Ein Klick mit der linken Maustaste auf die Felder 1"),
        QStringLiteral("   bis 6 holt die wichtigsten Linsentypen sofort auf"),
        QStringLiteral("   den Bildschirm. Ein Klick mit der rechten Taste legt"),
        QStringLiteral("   die gerade eingestellte Linse in einem Feld ab."),
        QStringLiteral("   "),
        QStringLiteral("Starten von Lichtstrahlen"),
        QStringLiteral("   Drückt man vor der Linse die linke Maustaste, so wird"),
        QStringLiteral("   ein vom Objektpunkt ausgehender Strahl durch die Linse"),
        QStringLiteral("   sichtbar, es sei denn, die Fassung der Linse oder die"),
        QStringLiteral("   Totalreflexion versperrt ihm den Weg. Beim Loslassen"),
        QStringLiteral("   bleibt der Strahl erhalten. Je nach Option kommen"),
        QStringLiteral("   gespiegelte Strahlen, Verlängerungen und Einfallslote"),
        QStringLiteral("   hinzu. Viele dicht benachbarte Strahlen zeigen ein"),
        QStringLiteral("   Bündel, seine Einschnürung einen Bildpunkt."),
        QStringLiteral("   "),
        QStringLiteral("Bewegen eines Objektpunktes"),
        QStringLiteral("   Der Objektpunkt P wird mit gedrückter rechter Maus-"),
        QStringLiteral("   taste gezogen; außerhalb des sichtbaren Bildes be-"),
        QStringLiteral("   wegt man ihn mit den Spintasten rechts unten. Ein"),
        QStringLiteral("   bereits gestartetes Bündel folgt dem Objektpunkt und"),
        QStringLiteral("   jeder Änderung der Linsenparameter."),
        QStringLiteral("   "),
        QStringLiteral("Parallelbündel"),
        QStringLiteral("   Entfernt man P sehr weit von der Linse, so werden"),
        QStringLiteral("   seine Strahlen annähernd parallel. Bei kleinem Zoom-"),
        QStringLiteral("   faktor gelingt das mit der Maus, sonst mit den Spin-"),
        QStringLiteral("   tasten."),
        QStringLiteral("   "),
        QStringLiteral("Markieren"),
        QStringLiteral("   Punkte, Augensymbole, ein magnetisches Punktraster und"),
        QStringLiteral("   eine gerade Linie als Bildschirm lassen sich setzen:"),
        QStringLiteral("   erst auf das Symbol klicken, dann auf die gewünschte"),
        QStringLiteral("   Stelle des Bildes. Das Auge blickt immer zu dem zu-"),
        QStringLiteral("   letzt markierten Punkt."),
        QStringLiteral("   "),
        QStringLiteral("Drucken"),
        QStringLiteral("   Die aktuelle Darstellung kann jederzeit in hoher Auf-"),
        QStringLiteral("   lösung ausgedruckt werden. Der Drucker sollte dazu"),
        QStringLiteral("   auf Querformat eingestellt werden."),
    };
}

} // namespace

InfoWindow *createInfoWindow(FormId id) {
    switch (id) {
    case FormId::SpiegIn:
        return new InfoWindow(
            id, QStringLiteral("Didaktische Hinweise zum Programm \" ebene und sphärische Spiegel\""),
            7365, 7860, 7335, 7815, 2, mirrorText());
    case FormId::BreI1:
        return new InfoWindow(
            id, QStringLiteral("Info zum Programm Brechung  an einer ebenen Fläche - Strahlenverlauf"),
            12885, 8775, 7335, 8295, 1, rayPathText());
    case FormId::BreI2:
        return new InfoWindow(
            id, QStringLiteral("Info zum Programm Brechung an einer ebenen Fläche - Abbildung von Punkten"),
            14055, 8595, 7335, 8295, 1, imagingText());
    case FormId::LinsInf:
        return new InfoWindow(id, QStringLiteral("Informationen zum Programm SPHÄRISCHE LINSEN"), 7605,
                              8340, 7335, 7815, 2, lensText());
    default:
        return nullptr;
    }
}

} // namespace varelo
