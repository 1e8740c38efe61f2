#include "lens/LensNotes.h"

#include "canvas/MarkerOverlay.h"

#include <iterator>

namespace varelo {

const HelpNote kLensNotes[] = {
    {"Label22", QT_TRANSLATE_NOOP("varelo::HelpPanel", "                                                      Bedienungshinweise"), 0},
    {"Label19", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Einstellen der Linsenparameter"), 1},
    {"Label23",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Einstellbar sind die Krümmungsradien der Oberflächen, der Linsendurchmesser und die Dicke der Linse in "
       "der Mitte. Zu beachten ist dabei, daß diese Parameter nicht unabhängig voneinander sind. Z.B. kann eine "
       "Verkleinerung der Radien  oder der Dicke eine Verkleinerung des  Durchmssers nach sich ziehen. Alle "
       "Linsenformen - einschließlich der Grenzfälle der planparallelen Platte und der Kugel  - lassen sich "
       "einstellen."),
     2},
    {"Label36", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Fertige Linsen"), 1},
    {"Label37",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Durch anklicken der Felder 1-6 mit der linken Maustaste lassen sich die wichtigsten Linsentypen sofort "
       "auf den Bildschirm holen. Mit Klick auf die rechte Taste speichert man jede eingestellte Linse. Beim "
       "Umschalten von einer Linse auf die andere bleibt ein vorhandenes, vom Objektpunkt ausgehendes "
       "Strahlenbündel erhalten, so dass man die Wirkung verschiedener Linsen auf dieses Büschel sofort "
       "beurteilen kann."),
     2},
    {"Label29", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Bewegen des Objektpunktes"), 1},
    {"Label24",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Der Objektpunkt P kann durch Drücken der rechten Maustaste erfaßt und durch Ziehen bei gedrückter Taste "
       "an beliebige Position des Bildschirmes vor die Linse gezogen werden. Außerhalb des Bildschirmes kann P "
       "mit Hilfe der Spintasten rechts unten bewegt werden.      "),
     2},
    {"Label20", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Starten von Lichtstrahlen"), 1},
    {"Label27",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Setzt man den Mauszeiger bei gedrückter linker Taste auf eine Stelle vor der Linse, so wird ein vom "
       "Objektpunk ausgehender, die Linse durchsetzender Strahl  sichtbar, allerdings nur dann, wenn diesem "
       "nicht der Weg durch die Linsenfassung oder wegen Totalreflexion versperrt wird.  "),
     2},
    {"Label38",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Beim Loslassen der Maustaste bleibt der Strahl auf dem Bildschirm. Je nach eingestellter Option werden "
       "auch gespiegelte Strahlen, Verlängerungen und Einfallslote sichtbar. Mehrere dicht nebeneinander die "
       "Linse treffende Strahlen markieren ein Lichtbündel, eine Einschnürung desselben einen Bildpunkt."),
     2},
    {"Label4", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Weitere Objektpunkte"), 1},
    {"Label21",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Durch Drücken der Taste Neues Objekt kann ein zweiter bzw. dritter, usw. Objektpunkt erzeugt werden, "
       "von dem aus sich wieder ein Strahlenbüschel starten lässt. Durch Vergleich der relativen Lage von "
       "Objekt- und Bildpunkten kann man Abbildungseigenschaften der Linsen studieren."),
     2},
    {"Label33", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Parallelbündel"), 1},
    {"Label34",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Entfernt man P sehr weit von der Linse, so werden die von ihm ausgehenden, die Linse treffenden "
       "Strahlen annähernd parallel. Die dazu notwendige große Entfernung läßt sich bei kleinem Zoomfaktor mit "
       "der Maus, sonst mit den Spintasten rechts unten erreichen.  "),
     2},
    {"Label41",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Eine andere Möglichkeit zur Erzeugung von parallelen Strahlen besteht darin, eine Anzahl von neuen "
       "Objektpunkten zu generieren und von diesen aus parallele Strahlen zu starten."),
     2},
    {"Label42", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Winkelmesser und  n-Graph"), 1},
    {"Label43",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Um zu zeigen, dass die durch die Linse gehenden Strahlen das Brechungsgesetz erfüllen, kann man "
       "Winkelmesser auf die Vorder- und Rückseite der Linse setzen. Diese richten sich immer so aus, dass eine "
       "der beiden zueinander senkrechten Achsen das Einfallslot wird, so dass man Einfalls- und "
       "Brechungswinkel ablesen kann. "),
     2},
    {"Label44",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Man kann auch einen Graphen im Bildfeld platzieren, der den Zusammenhang zwischen beiden Winkeln "
       "entsprechend dem Brechungsgesetz wiedergibt."),
     2},
    {"Label30", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Markieren "), 1},
    {"Label28", kMarkerNote, 2},
    {"Label31", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Drucken"), 1},
    {"Label32",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Es kann ein Ausdruck der aktuellen am Monitor sichtbaren  Darstellung  in hoher Auflösung erzeugt "
       "werden. Der angeschlossene Drucker sollte auf Querformat eingestellt werden. "),
     2},
    {"Label26", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Bild speichern"), 1},
    {"Label39",
     QT_TRANSLATE_NOOP("varelo::HelpPanel", "Das Bild lässt sich zur weiteren Verarbeitung im bmp-Format in einer Datei speichern; der Dateiname "
       "sollte die Endung bmp tragen. Verzichtet man auf die Angabe eines Pfades, so wird die Datei im Desktop "
       "abgelegt."),
     2},
};

const int kLensNoteCount = int(std::size(kLensNotes));

const std::vector<const char *> kLensNotesLeft{"Label19", "Label23", "Label36", "Label37", "Label29", "Label24",
                                               "Label20", "Label27", "Label38", "Label4",  "Label21"};
const std::vector<const char *> kLensNotesRight{"Label33", "Label34", "Label41", "Label42", "Label43", "Label44",
                                                "Label30", "Label28", "Label31", "Label32", "Label26", "Label39"};

} // namespace varelo
