#include "mirror/MirrorNotes.h"

#include "canvas/MarkerOverlay.h"

#include <iterator>

namespace varelo {

const HelpNote kMirrorNotes[] = {
    {"Label22", QT_TRANSLATE_NOOP("varelo::HelpPanel", "                                                      Bedienungshinweise"), 0},
    {"Label19", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Einstellen der Spiegelparameter"), 1},
    {"Label23", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Einstellbar ist der Krümmungsradius der Oberfläche und der Durchmesser der Spiegelöffnung.  "
     "Zu beachten ist dabei, daß diese Parameter nicht unabhängig voneinander sind. Z.B. kann eine "
     "Verkleinerung des Krümmungsradius  notwendig eine Verkleinerung der Öffnung nach sich ziehen. "
     "Wölb- und Hohlspiegel lassen sich ebenso einstellen wie Planspiegel."), 2},
    {"Label20", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Starten von Lichtstrahlen"), 1},
    {"Label27", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Beim Start des Programms befindet sich links oberhalb des Spiegels ein erster Objektpunkt P. "
     "Er kann durch Drücken der rechten Maustaste und Ziehen an eine beliebige Stelle vor der Linse "
     "gebracht werden. Setzt man dann den Mauszeiger auf eine beliebige Stelle zwischen Spiegel und "
     "P und drückt die linke Taste, so wird ein vom Objektpunk ausgehender, den Spiegel treffender "
     "Strahl  sichtbar, der dort reflektiert wird.  Beim Loslassen der Maustaste bleibt dieser "
     "Strahl erhalten."), 2},
    {"Label38", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Je nach eingestellter Option werden auch die rückwärtige  Verlängerung und das Einfallslote "
     "sichtbar. Mehrere dicht nebeneinander den Spiegel treffende Strahlen markieren ein "
     "Lichtbündel, eine Einschnürung desselben einen Bildpunkt."), 3},
    {"Label29", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Bewegen des Objektpunktes"), 1},
    {"Label24", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Der Objektpunkt P kann durch Drücken der rechten Maustaste erfaßt und durch Ziehen bei "
     "gedrückter Taste an beliebige Position des Bildschirmes vor den Spiegel gezogen werden. Das "
     "an P \"hängende\" Strahlenbüschel wird dabei mit bewegt. Außerhalb des Bildschirmes kann P "
     "mit Hilfe der Spintasten rechts unten bewegt werden.      "), 2},
    {"Label4", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Neues Objekt"), 1},
    {"Label21", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Durch Drücken der Taste Neues Objekt kann ein zweiter bzw. dritter, usw. Objektpunkt erzeugt "
     "werden, von dem aus sich wieder ein Strahlenbüschel starten lässt. Es können bis zu 9 neue "
     "Objektpunkte generiert werden, aktiv ist aber jeweils nur der zuletzt generierte, d.h. nur von "
     "ihm aus können neue Strahlen gestartet werden.."), 3},
    {"Label33", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Parallelbündel"), 1},
    {"Label34", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Entfernt man P sehr weit von der Linse, so werden die von ihm ausgehenden, den Spiegel "
     "treffenden Strahlen annähernd parallel. Die dazu notwendige große Entfernung läßt sich bei "
     "kleinem Zoomfaktor mit der Maus, sonst mit den Spintasten rechts unten erreichen."), 3},
    {"Label3", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Durch Vergleich der relativen Lage von Objekt- und Bildpunkten kann man "
     "Abbildungseigenschaften der Spiegel studieren."), 3},
    {"Label30", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Markieren "), 1},
    {"Label28", kMarkerNote, 2},
    {"Label31", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Drucken"), 1},
    {"Label32", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Es kann ein Ausdruck der aktuellen am Monitor sichtbaren  Darstellung  in hoher Auflösung "
     "erzeugt werden. Nach Drücken der entsprechenden Taste erscheint eine Eingabe-Box, in welche "
     "eine evtl. gewünschte Bildüberschrift einzutragen ist. Danach erscheint eine Dialog-Box für "
     "die Einstellungen am Drucker. Der angeschlossene Drucker sollte auf Querformat eingestellt "
     "werden. "), 3},
    {"Label26", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Bild speichern"), 1},
    {"Label39", QT_TRANSLATE_NOOP("varelo::HelpPanel", "Das Bild lässt sich zur weiteren Verarbeitung im bmp-Format in einer Datei speichern. "
     "Verzichtet man auf die Angabe eines Pfades, so wird die Datei im Desktop abgelegt. Die Datei "
     "ist etwa 2,4 MB groß; mit einem Grafikprogramm läßt sie sich verkleinern."), 3},
};

const int kMirrorNoteCount = int(std::size(kMirrorNotes));

const std::vector<const char *> kMirrorNotesLeft{"Label19", "Label23", "Label20", "Label27", "Label38",
                                                 "Label29", "Label24", "Label4",  "Label21"};
const std::vector<const char *> kMirrorNotesRight{"Label33", "Label34", "Label3",  "Label30", "Label28",
                                                  "Label31", "Label32", "Label26", "Label39"};

} // namespace varelo
