<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>varelo::Canvas</name>
    <message>
        <source>Varelo-Lektionen (*.varelo)</source>
        <translation>Varelo lessons (*.varelo)</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Titelzeile für den Ausdruck ein!</source>
        <translation>Please enter the title line for the printout.</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Info </source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Info off</source>
        <translation>Info off</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Info einblenden</source>
        <translation>Show info</translation>
    </message>
    <message>
        <source>Nur 25 Punktmarkierungen möglich</source>
        <translation>Only 25 point markers are possible</translation>
    </message>
    <message>
        <source>Nur 10 Augen möglich</source>
        <translation>Only 10 eyes are possible</translation>
    </message>
</context>
<context>
    <name>varelo::HelpPanel</name>
    <message>
        <source>Im Bildfeld können mehrere Punkte, Augen sowie ein Raster (zum Ausrichten von Punkten) und eine Linie (als Bildschirm) markiert werden. Auf das entsprechende Symbol (Punkt, Auge oder Linie) links klicken und dann wieder links auf die gewünschte Stelle des Bildes. Das Auge blickt immer zu dem an letzter Stelle gesetzten Punkt.</source>
        <translation>Several points and eyes, a grid (for lining up points) and a line (as a screen) can be marked in the picture. Left-click the symbol (point, eye or line), then left-click the place you want in the picture. The eye always looks towards the point placed last.</translation>
    </message>
    <message>
        <source>                                                      Bedienungshinweise</source>
        <translation>Operating instructions</translation>
    </message>
    <message>
        <source>Einstellen der Linsenparameter</source>
        <translation>Setting the lens parameters</translation>
    </message>
    <message>
        <source>Einstellbar sind die Krümmungsradien der Oberflächen, der Linsendurchmesser und die Dicke der Linse in der Mitte. Zu beachten ist dabei, daß diese Parameter nicht unabhängig voneinander sind. Z.B. kann eine Verkleinerung der Radien  oder der Dicke eine Verkleinerung des  Durchmssers nach sich ziehen. Alle Linsenformen - einschließlich der Grenzfälle der planparallelen Platte und der Kugel  - lassen sich einstellen.</source>
        <translation>You can set the radii of curvature of both surfaces, the diameter of the lens and its thickness at the centre. Note that these parameters are not independent of each other: a smaller radius or a smaller thickness, for example, may force a smaller diameter. Every lens shape can be set, including the limiting cases of the plane-parallel plate and the sphere.</translation>
    </message>
    <message>
        <source>Fertige Linsen</source>
        <translation>Ready-made lenses</translation>
    </message>
    <message>
        <source>Durch anklicken der Felder 1-6 mit der linken Maustaste lassen sich die wichtigsten Linsentypen sofort auf den Bildschirm holen. Mit Klick auf die rechte Taste speichert man jede eingestellte Linse. Beim Umschalten von einer Linse auf die andere bleibt ein vorhandenes, vom Objektpunkt ausgehendes Strahlenbündel erhalten, so dass man die Wirkung verschiedener Linsen auf dieses Büschel sofort beurteilen kann.</source>
        <translation>Clicking fields 1-6 with the left mouse button brings the most important types of lens onto the screen at once. A right click stores the lens currently set. When you switch from one lens to another, a bundle of rays from the object point is kept, so that you can judge at once how different lenses act on the same bundle.</translation>
    </message>
    <message>
        <source>Bewegen des Objektpunktes</source>
        <translation>Moving the object point</translation>
    </message>
    <message>
        <source>Der Objektpunkt P kann durch Drücken der rechten Maustaste erfaßt und durch Ziehen bei gedrückter Taste an beliebige Position des Bildschirmes vor die Linse gezogen werden. Außerhalb des Bildschirmes kann P mit Hilfe der Spintasten rechts unten bewegt werden.      </source>
        <translation>Press the right mouse button on the object point P and drag it to any position in front of the lens. Outside the visible picture, P can be moved with the spin buttons at the bottom right.</translation>
    </message>
    <message>
        <source>Starten von Lichtstrahlen</source>
        <translation>Starting rays of light</translation>
    </message>
    <message>
        <source>Setzt man den Mauszeiger bei gedrückter linker Taste auf eine Stelle vor der Linse, so wird ein vom Objektpunk ausgehender, die Linse durchsetzender Strahl  sichtbar, allerdings nur dann, wenn diesem nicht der Weg durch die Linsenfassung oder wegen Totalreflexion versperrt wird.  </source>
        <translation>If you press the left mouse button with the pointer at a place in front of the lens, a ray from the object point through the lens appears, unless the lens mount or total internal reflection blocks its way.</translation>
    </message>
    <message>
        <source>Beim Loslassen der Maustaste bleibt der Strahl auf dem Bildschirm. Je nach eingestellter Option werden auch gespiegelte Strahlen, Verlängerungen und Einfallslote sichtbar. Mehrere dicht nebeneinander die Linse treffende Strahlen markieren ein Lichtbündel, eine Einschnürung desselben einen Bildpunkt.</source>
        <translation>When you release the mouse button, the ray stays on the screen. Depending on the options chosen, reflected rays, extensions and normals are shown as well. Several rays that meet the lens close together mark a bundle of light, and the place where the bundle narrows marks an image point.</translation>
    </message>
    <message>
        <source>Weitere Objektpunkte</source>
        <translation>More object points</translation>
    </message>
    <message>
        <source>Durch Drücken der Taste Neues Objekt kann ein zweiter bzw. dritter, usw. Objektpunkt erzeugt werden, von dem aus sich wieder ein Strahlenbüschel starten lässt. Durch Vergleich der relativen Lage von Objekt- und Bildpunkten kann man Abbildungseigenschaften der Linsen studieren.</source>
        <translation>The button New object creates a second, a third and further object points, from each of which another bundle of rays can be started. Comparing the positions of object and image points shows how lenses form images.</translation>
    </message>
    <message>
        <source>Parallelbündel</source>
        <translation>Parallel bundles</translation>
    </message>
    <message>
        <source>Entfernt man P sehr weit von der Linse, so werden die von ihm ausgehenden, die Linse treffenden Strahlen annähernd parallel. Die dazu notwendige große Entfernung läßt sich bei kleinem Zoomfaktor mit der Maus, sonst mit den Spintasten rechts unten erreichen.  </source>
        <translation>If P is moved very far from the lens, the rays from it that reach the lens become nearly parallel. At a small zoom factor the mouse can take P that far; otherwise use the spin buttons at the bottom right.</translation>
    </message>
    <message>
        <source>Eine andere Möglichkeit zur Erzeugung von parallelen Strahlen besteht darin, eine Anzahl von neuen Objektpunkten zu generieren und von diesen aus parallele Strahlen zu starten.</source>
        <translation>Another way to obtain parallel rays is to create a number of new object points and to start parallel rays from them.</translation>
    </message>
    <message>
        <source>Winkelmesser und  n-Graph</source>
        <translation>Protractors and the n graph</translation>
    </message>
    <message>
        <source>Um zu zeigen, dass die durch die Linse gehenden Strahlen das Brechungsgesetz erfüllen, kann man Winkelmesser auf die Vorder- und Rückseite der Linse setzen. Diese richten sich immer so aus, dass eine der beiden zueinander senkrechten Achsen das Einfallslot wird, so dass man Einfalls- und Brechungswinkel ablesen kann. </source>
        <translation>To show that the rays through the lens obey the law of refraction, you can place protractors on the front and the back of the lens. They always turn so that one of their two perpendicular axes is the normal, and the angles of incidence and refraction can be read off.</translation>
    </message>
    <message>
        <source>Man kann auch einen Graphen im Bildfeld platzieren, der den Zusammenhang zwischen beiden Winkeln entsprechend dem Brechungsgesetz wiedergibt.</source>
        <translation>You can also place a graph in the picture that shows how the two angles are related by the law of refraction.</translation>
    </message>
    <message>
        <source>Markieren </source>
        <translation>Marking</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Es kann ein Ausdruck der aktuellen am Monitor sichtbaren  Darstellung  in hoher Auflösung erzeugt werden. Der angeschlossene Drucker sollte auf Querformat eingestellt werden. </source>
        <translation>The picture currently on the screen can be printed at high resolution. Set the printer to landscape.</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Saving the picture</translation>
    </message>
    <message>
        <source>Das Bild lässt sich zur weiteren Verarbeitung im bmp-Format in einer Datei speichern; der Dateiname sollte die Endung bmp tragen. Verzichtet man auf die Angabe eines Pfades, so wird die Datei im Desktop abgelegt.</source>
        <translation>The picture can be saved to a file in BMP format for further use; the file name should end in .bmp. Without a folder in front of the name, the file is saved on the desktop.</translation>
    </message>
    <message>
        <source>Einstellen der Spiegelparameter</source>
        <translation>Setting the mirror parameters</translation>
    </message>
    <message>
        <source>Einstellbar ist der Krümmungsradius der Oberfläche und der Durchmesser der Spiegelöffnung.  Zu beachten ist dabei, daß diese Parameter nicht unabhängig voneinander sind. Z.B. kann eine Verkleinerung des Krümmungsradius  notwendig eine Verkleinerung der Öffnung nach sich ziehen. Wölb- und Hohlspiegel lassen sich ebenso einstellen wie Planspiegel.</source>
        <translation>You can set the radius of curvature of the surface and the diameter of the mirror&apos;s aperture. Note that these parameters are not independent of each other: a smaller radius of curvature, for example, may force a smaller aperture. Convex and concave mirrors can be set as well as plane mirrors.</translation>
    </message>
    <message>
        <source>Beim Start des Programms befindet sich links oberhalb des Spiegels ein erster Objektpunkt P. Er kann durch Drücken der rechten Maustaste und Ziehen an eine beliebige Stelle vor der Linse gebracht werden. Setzt man dann den Mauszeiger auf eine beliebige Stelle zwischen Spiegel und P und drückt die linke Taste, so wird ein vom Objektpunk ausgehender, den Spiegel treffender Strahl  sichtbar, der dort reflektiert wird.  Beim Loslassen der Maustaste bleibt dieser Strahl erhalten.</source>
        <translation>When the program starts, a first object point P lies to the upper left of the mirror. Drag it with the right mouse button to any place in front of the mirror. If you then put the pointer anywhere between the mirror and P and press the left button, a ray from the object point to the mirror appears and is reflected there. When you release the mouse button, the ray stays.</translation>
    </message>
    <message>
        <source>Je nach eingestellter Option werden auch die rückwärtige  Verlängerung und das Einfallslote sichtbar. Mehrere dicht nebeneinander den Spiegel treffende Strahlen markieren ein Lichtbündel, eine Einschnürung desselben einen Bildpunkt.</source>
        <translation>Depending on the options chosen, the backward extensions and the normals are shown as well. Several rays that meet the mirror close together mark a bundle of light, and the place where the bundle narrows marks an image point.</translation>
    </message>
    <message>
        <source>Der Objektpunkt P kann durch Drücken der rechten Maustaste erfaßt und durch Ziehen bei gedrückter Taste an beliebige Position des Bildschirmes vor den Spiegel gezogen werden. Das an P &quot;hängende&quot; Strahlenbüschel wird dabei mit bewegt. Außerhalb des Bildschirmes kann P mit Hilfe der Spintasten rechts unten bewegt werden.      </source>
        <translation>Press the right mouse button on the object point P and drag it to any position in front of the mirror. The bundle of rays &quot;hanging&quot; from P moves with it. Outside the visible picture, P can be moved with the spin buttons at the bottom right.</translation>
    </message>
    <message>
        <source>Neues Objekt</source>
        <translation>New object</translation>
    </message>
    <message>
        <source>Durch Drücken der Taste Neues Objekt kann ein zweiter bzw. dritter, usw. Objektpunkt erzeugt werden, von dem aus sich wieder ein Strahlenbüschel starten lässt. Es können bis zu 9 neue Objektpunkte generiert werden, aktiv ist aber jeweils nur der zuletzt generierte, d.h. nur von ihm aus können neue Strahlen gestartet werden..</source>
        <translation>The button New object creates a second, a third and further object points, from each of which another bundle of rays can be started. Up to 9 new object points can be created, but only the one created last is active: new rays start from it alone.</translation>
    </message>
    <message>
        <source>Entfernt man P sehr weit von der Linse, so werden die von ihm ausgehenden, den Spiegel treffenden Strahlen annähernd parallel. Die dazu notwendige große Entfernung läßt sich bei kleinem Zoomfaktor mit der Maus, sonst mit den Spintasten rechts unten erreichen.</source>
        <translation>If P is moved very far away, the rays from it that reach the mirror become nearly parallel. At a small zoom factor the mouse can take P that far; otherwise use the spin buttons at the bottom right.</translation>
    </message>
    <message>
        <source>Durch Vergleich der relativen Lage von Objekt- und Bildpunkten kann man Abbildungseigenschaften der Spiegel studieren.</source>
        <translation>Comparing the positions of object and image points shows how mirrors form images.</translation>
    </message>
    <message>
        <source>Es kann ein Ausdruck der aktuellen am Monitor sichtbaren  Darstellung  in hoher Auflösung erzeugt werden. Nach Drücken der entsprechenden Taste erscheint eine Eingabe-Box, in welche eine evtl. gewünschte Bildüberschrift einzutragen ist. Danach erscheint eine Dialog-Box für die Einstellungen am Drucker. Der angeschlossene Drucker sollte auf Querformat eingestellt werden. </source>
        <translation>The picture currently on the screen can be printed at high resolution. After you press the button, a box asks for a title for the picture, if you want one; then the printer dialog appears. Set the printer to landscape.</translation>
    </message>
    <message>
        <source>Das Bild lässt sich zur weiteren Verarbeitung im bmp-Format in einer Datei speichern. Verzichtet man auf die Angabe eines Pfades, so wird die Datei im Desktop abgelegt. Die Datei ist etwa 2,4 MB groß; mit einem Grafikprogramm läßt sie sich verkleinern.</source>
        <translation>The picture can be saved to a file in BMP format for further use. Without a folder in front of the name, the file is saved on the desktop. The file is about 2.4 MB; a graphics program can make it smaller.</translation>
    </message>
</context>
<context>
    <name>varelo::ImagingScene</name>
    <message>
        <source>n =  1</source>
        <translation>n =  1</translation>
    </message>
    <message>
        <source>n = </source>
        <translation>n = </translation>
    </message>
</context>
<context>
    <name>varelo::InfoWindow</name>
    <message>
        <source>Didaktisches Anliegen des Programms
   Das Programm macht die Abbildung durch ebene und 
   sphärische Spiegel allein aus dem Reflexionsgesetz
   verständlich. Statt der drei ausgezeichneten Strah-
   len der Schuloptik werden Bündel von Strahlen ver-
   folgt, die vom Objektpunkt P ausgehen. Jeder Strahl
   wird einzeln nach dem Reflexionsgesetz am Spiegel
   reflektiert; die einblendbaren Einfallslote zeigen,
   daß jeder Strahl dieses Gesetz befolgt.
   Ein starker Zoom macht deutlich, warum das Reflexi-
   onsgesetz auch an einer gekrümmten Fläche gilt: Im
   Kleinen &quot;sieht&quot; der Strahl eine praktisch ebene
   Spiegelfläche.
   Ausdrucke in hoher Auflösung eignen sich als Folien-
   vorlagen und zum Nachmessen von Winkeln.
   
   Die wichtigste Beobachtung: Ein sphärischer Spiegel
   macht aus einem von P ausgehenden, zentrierten Bün-
   del ein kaustisches Bündel. Seine Strahlen berühren
   eine gemeinsame Hüllkurve, die Katakaustik. Nur der
   ebene Spiegel läßt Bündel zentriert; sphärische
   Spiegel liefern daher grundsätzlich nur unscharfe
   Bilder.
   Daß wir trotzdem scharfe Bilder sehen, liegt am
   Auge: Seine Pupille wählt aus dem Bündel ein schlan-
   kes, nahezu zentriertes Teilbündel aus. Setzen Sie
   ein Auge als Markierung vor den Spiegel und wählen
   Sie durch Ziehen mit der Maus die Strahlen aus, die
   in das Auge gelangen. Auch eine kleine Spiegelöff-
   nung liefert ein nahezu zentriertes Bildbündel.</source>
        <translation>Teaching aims of the program
   The program explains how plane and spherical mirrors form images from the law of reflection alone. Instead of the three special rays of school optics it follows bundles of rays that start from the object point P. Each ray is reflected at the mirror on its own by the law of reflection; the normals, which can be shown, make clear that every ray obeys this law.
   A strong zoom shows why the law of reflection holds at a curved surface too: on a small scale the ray &quot;sees&quot; a mirror that is practically plane.
   High-resolution printouts make good masters for transparencies and for measuring angles.

   The most important observation: a spherical mirror turns a centred bundle from P into a caustic bundle. Its rays touch a common envelope, the catacaustic. Only the plane mirror keeps bundles centred; spherical mirrors therefore give, in principle, only blurred images.
   That we see sharp images all the same is due to the eye: its pupil picks out a slender, nearly centred part of the bundle. Place an eye as a marker in front of the mirror and select the rays that enter the eye by dragging with the mouse. A small mirror aperture also gives a nearly centred image bundle.</translation>
    </message>
    <message>
        <source>Allgemeines
   Das Programm zeigt das Verhalten von Lichtstrahlen,
   die von einem Objektpunkt P ausgehen und auf die
   ebene Grenzfläche zwischen zwei Medien treffen.
   Neben den gebrochenen Strahlen lassen sich über die
   Optionen auch die gespiegelten Strahlen, die rück-
   wärtigen Verlängerungen der gebrochenen und der
   gespiegelten Strahlen sowie die Einfallslote ein-
   blenden.
   
Bewegen des Objektpunktes P, Ändern der Brechzahl   
   Der Objektpunkt P wird mit gedrückter rechter Maus-
   taste an eine beliebige Stelle oberhalb oder unter-
   halb der Grenzfläche gezogen. Die relative Brechzahl
   wird mit dem Rollbalken eingestellt; das optisch
   dünnere Medium hat dabei stets die Brechzahl 1.
   
Starten von Lichtstrahlen    
   Drückt man die linke Maustaste, so erscheint ein
   Strahl von P durch die Position des Mauszeigers.
   Er folgt dem Mauszeiger, bis die Taste losgelassen
   wird; dann bleibt er erhalten. Bis zu 100 Strahlen
   sind möglich. Die gebrochenen Strahlen bilden ein
   kaustisches, kein zentriertes Bündel.
   
Markieren von Bildpunkten und Augen 
   Ein schlankes Teilbündel bildet P näherungsweise in
   einen Punkt P&apos; ab. P&apos; wird mit dem Punkt-Symbol mar-
   kiert. Mit dem Augen-Symbol läßt sich das ausgewähl-
   te Teilbündel kennzeichnen; das Auge blickt dabei
   selbsttätig zu dem zuvor markierten Punkt.
   
Winkelmesser und Zusammenhang zwischen Alpha und Beta 
   Eine optische Scheibe (Winkelmesser) kann in das
   Bild gesetzt werden, um Einfalls- und Brechungs-
   winkel zu vergleichen. Mit seinem Symbol läßt sich
   ein Diagramm des Zusammenhangs zwischen Einfalls-
   und Brechungswinkel einblenden und ablesen.
   
Drucken   
   Ein Ausdruck in hoher Auflösung eignet sich z.B. als
   Vorlage für eine Overhead-Folie. Der Drucker sollte
   auf Hochformat eingestellt werden. Der Aufbau des
   Bildes braucht etwas Zeit.
   
Speichern des Bildes in einer Datei  
   Das Bild wird im bmp-Format gespeichert; der Name
   muß die Endung .bmp tragen. Fehlt eine Pfadangabe,
   dann ist dem Dateinamen der Ordner vorangestellt,
   aus dem heraus das Programm gestartet wurde.</source>
        <translation>General
   The program shows how rays of light behave that start from an object point P and meet the plane interface between two media. Besides the refracted rays, the options can show the reflected rays, the backward extensions of the refracted and the reflected rays, and the normals.

Moving the object point P, changing the refractive index
   Drag the object point P with the right mouse button to any place above or below the interface. The relative refractive index is set with the scroll bar; the optically less dense medium always has the index 1.

Starting rays of light
   When you press the left mouse button, a ray appears from P through the position of the pointer. It follows the pointer until you release the button; then it stays. Up to 100 rays are possible. The refracted rays form a caustic bundle, not a centred one.

Marking image points and eyes
   A slender part of the bundle images P approximately onto a point P&apos;. Mark P&apos; with the point symbol. The eye symbol marks the part of the bundle chosen; the eye turns by itself to look at the point marked before.

Protractor and the relation between alpha and beta
   An optical disc (protractor) can be placed in the picture to compare the angles of incidence and refraction. Its symbol also shows a diagram of how the angle of refraction depends on the angle of incidence, from which values can be read off.

Printing
   A high-resolution printout makes a good master for an overhead transparency, for example. Set the printer to portrait. Building up the picture takes a little time.

Saving the picture to a file
   The picture is saved in BMP format; the name must end in .bmp. Without a folder in front of the name, the file goes into the folder from which the program was started.</translation>
    </message>
    <message>
        <source>Abbildung einzelner Punkte   
   Der abzubildende Objektpunkt P befindet sich in der
   unteren Hälfte des Bildes; er wird mit gedrückter
   rechter Maustaste an die gewünschte Stelle gezogen.
   Das Auge in der oberen Hälfte wählt aus den von P
   ausgehenden Strahlen ein schlankes Bündel aus, das
   auch nach der Brechung nahezu zentriert bleibt. Sein
   Zentrum, der Schnittpunkt der rückwärtigen Verlän-
   gerungen, ist als Bildpunkt rot markiert: Dort sieht
   das Auge den Objektpunkt.
   
Bewegen des Auges   
   Das Auge wird mit gedrückter linker Maustaste inner-
   halb der oberen Bildhälfte verschoben. Bündel und
   Bildpunkt folgen ihm; das Auge blickt dabei immer
   zum markierten Bildpunkt.
   
Abbildung von Punktreihen   
   Mit der Option Punktreihen lassen sich bis zu 100
   Punkte der unteren Hälfte nacheinander mit der rech-
   ten Maustaste abbilden. Das Bündel wird nur für den
   zuletzt gesetzten Punkt gezeichnet. Bewegt man das
   Auge, so werden alle Bildpunkte neu bestimmt.
   
Punktraster   
   Mit der Option Raster erscheinen magnetische Raster-
   punkte. Sie helfen, Objektpunkte genau auf einer Ge-
   raden aufzureihen; so läßt sich untersuchen, wie ge-
   rade Kanten durch die Brechung verformt werden.
   
Drucken   
   Es kann ein Ausdruck in hoher Auflösung erzeugt wer-
   den; dazu sollte das Hochformat gewählt werden. Die
   Drucker geben punktierte und schattierte Linien un-
   terschiedlich wieder.
   
Speichern des Bildes in einer Datei  
   Das Bild wird im bmp-Format gespeichert; der Name
   muß die Endung .bmp tragen. Fehlt eine Pfadangabe,
   dann ist seinem Namen der Ordner vorangestellt,
   aus dem heraus das Programm gestartet wurde.</source>
        <translation>Imaging single points
   The object point P to be imaged lies in the lower half of the picture; drag it with the right mouse button to where you want it. The eye in the upper half selects from the rays leaving P a slender bundle that stays nearly centred even after refraction. Its centre, where the backward extensions cross, is marked in red as the image point: that is where the eye sees the object point.

Moving the eye
   Drag the eye with the left mouse button within the upper half of the picture. The bundle and the image point follow it; the eye always looks at the marked image point.

Imaging rows of points
   With the option rows of points, up to 100 points of the lower half can be imaged one after another with the right mouse button. The bundle is drawn only for the point placed last. When you move the eye, all image points are found anew.

Grid of points
   The option grid shows magnetic grid points. They help to line up object points exactly on a straight line, so that you can study how refraction distorts straight edges.

Printing
   A high-resolution printout can be made; choose portrait for it. Printers render dotted and shaded lines differently.

Saving the picture to a file
   The picture is saved in BMP format; the name must end in .bmp. Without a folder in front of the name, the file goes into the folder from which the program was started.</translation>
    </message>
    <message>
        <source>Allgemeines
   Das Programm macht die Abbildung durch sphärische 
   Linsen allein aus dem Brechungs- und dem Reflexions-
   gesetz verständlich. Statt der drei ausgezeichneten
   Strahlen der Schuloptik werden Bündel von Strahlen
   verfolgt, die vom Objektpunkt P ausgehen. Einfalls-
   lote und Winkelmesser machen wie eine optische
   Scheibe die Winkel an jeder Fläche ablesbar.
   Ausdrucke in hoher Auflösung eignen sich als Folien-
   vorlagen.
   Neben den durch die Linse gebrochenen Strahlen las-
   sen sich die an der Vorder- oder Rückseite gespie-
   gelten Strahlen und die Verlängerungen aller Strah-
   len ein- und ausblenden. So werden reelle und vir-
   tuelle Bilder der Linse ebenso verständlich wie die
   Spiegelbilder, die ihre Flächen erzeugen.
   
Einstellen der Linsenparameter
   Einstellbar sind die Radien der beiden Flächen, der
   Durchmesser und die Dicke der Linse in der Mitte.
   Diese Größen hängen voneinander ab: Ein kleinerer
   Radius oder eine geringere Dicke kann einen kleine-
   ren Durchmesser erzwingen. Alle Linsenformen lassen
   sich einstellen, auch die Grenzfälle der planparal-
   lelen Platte und der Kugel.
   
Vorbelegung
   Ein Klick mit der linken Maustaste auf die Felder 1
   bis 6 holt die wichtigsten Linsentypen sofort auf
   den Bildschirm. Ein Klick mit der rechten Taste legt
   die gerade eingestellte Linse in einem Feld ab.
   
Starten von Lichtstrahlen
   Drückt man vor der Linse die linke Maustaste, so wird
   ein vom Objektpunkt ausgehender Strahl durch die Linse
   sichtbar, es sei denn, die Fassung der Linse oder die
   Totalreflexion versperrt ihm den Weg. Beim Loslassen
   bleibt der Strahl erhalten. Je nach Option kommen
   gespiegelte Strahlen, Verlängerungen und Einfallslote
   hinzu. Viele dicht benachbarte Strahlen zeigen ein
   Bündel, seine Einschnürung einen Bildpunkt.
   
Bewegen eines Objektpunktes
   Der Objektpunkt P wird mit gedrückter rechter Maus-
   taste gezogen; außerhalb des sichtbaren Bildes be-
   wegt man ihn mit den Spintasten rechts unten. Ein
   bereits gestartetes Bündel folgt dem Objektpunkt und
   jeder Änderung der Linsenparameter.
   
Parallelbündel
   Entfernt man P sehr weit von der Linse, so werden
   seine Strahlen annähernd parallel. Bei kleinem Zoom-
   faktor gelingt das mit der Maus, sonst mit den Spin-
   tasten.
   
Markieren
   Punkte, Augensymbole, ein magnetisches Punktraster und
   eine gerade Linie als Bildschirm lassen sich setzen:
   erst auf das Symbol klicken, dann auf die gewünschte
   Stelle des Bildes. Das Auge blickt immer zu dem zu-
   letzt markierten Punkt.
   
Drucken
   Die aktuelle Darstellung kann jederzeit in hoher Auf-
   lösung ausgedruckt werden. Der Drucker sollte dazu
   auf Querformat eingestellt werden.</source>
        <translation>General
   The program explains how spherical lenses form images from the laws of refraction and reflection alone. Instead of the three special rays of school optics it follows bundles of rays that start from the object point P. As on an optical disc, normals and protractors make the angles at every surface readable. High-resolution printouts make good masters for transparencies.
   Besides the rays refracted by the lens, the rays reflected at the front or the back surface and the extensions of all rays can be shown or hidden. This makes the real and virtual images of the lens as clear as the mirror images formed by its surfaces.

Setting the lens parameters
   You can set the radii of the two surfaces, the diameter and the thickness of the lens at the centre. These quantities depend on each other: a smaller radius or a smaller thickness may force a smaller diameter. Every lens shape can be set, including the limiting cases of the plane-parallel plate and the sphere.

Ready-made lenses
   A left click on fields 1 to 6 brings the most important types of lens onto the screen at once. A right click stores the lens currently set in a field.

Starting rays of light
   Press the left mouse button in front of the lens, and a ray from the object point through the lens appears, unless the lens mount or total internal reflection blocks its way. When you release the button, the ray stays. Depending on the options, reflected rays, extensions and normals are added. Many rays close together show a bundle, and the place where it narrows shows an image point.

Moving an object point
   Drag the object point P with the right mouse button; outside the visible picture, move it with the spin buttons at the bottom right. A bundle already started follows the object point and every change of the lens parameters.

Parallel bundles
   If P is moved very far from the lens, its rays become nearly parallel. At a small zoom factor the mouse can do this; otherwise use the spin buttons.

Marking
   Points, eye symbols, a magnetic grid of points and a straight line as a screen can be placed: click the symbol first, then the place you want in the picture. The eye always looks towards the point marked last.

Printing
   The current picture can be printed at high resolution at any time. Set the printer to landscape for it.</translation>
    </message>
    <message>
        <source>Didaktische Hinweise zum Programm &quot; ebene und sphärische Spiegel&quot;</source>
        <translation>Teaching notes on the program &quot;Plane and spherical mirrors&quot;</translation>
    </message>
    <message>
        <source>Info zum Programm Brechung  an einer ebenen Fläche - Strahlenverlauf</source>
        <translation>About the program Refraction at a plane surface - ray paths</translation>
    </message>
    <message>
        <source>Info zum Programm Brechung an einer ebenen Fläche - Abbildung von Punkten</source>
        <translation>About the program Refraction at a plane surface - imaging of points</translation>
    </message>
    <message>
        <source>Informationen zum Programm SPHÄRISCHE LINSEN</source>
        <translation>About the program SPHERICAL LENSES</translation>
    </message>
</context>
<context>
    <name>varelo::LensScene</name>
    <message>
        <source>Linsenparameter: r1 (rechts) = </source>
        <translation>Lens parameters: r1 (right) = </translation>
    </message>
    <message>
        <source>    r2 (links) = </source>
        <translation>    r2 (left) = </translation>
    </message>
    <message>
        <source>    n = </source>
        <translation>    n = </translation>
    </message>
    <message>
        <source>Durchmesser = </source>
        <translation>Diameter = </translation>
    </message>
    <message>
        <source>   Dicke i.d.Mitte = </source>
        <translation>   thickness at the centre = </translation>
    </message>
    <message>
        <source>Brennweite nach Linsenmacherformel f = </source>
        <translation>Focal length by the lensmaker&apos;s formula f = </translation>
    </message>
    <message>
        <source>plan</source>
        <translation>plane</translation>
    </message>
    <message>
        <source>Einfalls- und Brechungswinkel für n = </source>
        <translation>Angles of incidence and refraction for n = </translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>90°</source>
        <translation>90°</translation>
    </message>
</context>
<context>
    <name>varelo::LessonFile</name>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine Varelo-Lektion oder ist beschädigt.</source>
        <translation>The file &quot;%1&quot; is not a Varelo lesson or is damaged.</translation>
    </message>
    <message>
        <source>Die Lektion &quot;%1&quot; wurde mit einer neueren Version von Varelo gespeichert und kann hier nicht geöffnet werden.</source>
        <translation>The lesson &quot;%1&quot; was saved by a newer version of Varelo and cannot be opened here.</translation>
    </message>
    <message>
        <source>Die Lektion &quot;%1&quot; enthält einen ungültigen Wert (%2) und wurde nicht geöffnet.</source>
        <translation>The lesson &quot;%1&quot; contains an invalid value (%2) and was not opened.</translation>
    </message>
    <message>
        <source>Die Lektion &quot;%1&quot; konnte nicht gespeichert werden: %2</source>
        <translation>The lesson &quot;%1&quot; could not be saved: %2</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht gelesen werden.</source>
        <translation>The file &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist zu groß für eine Lektion (mehr als 10 MB).</source>
        <translation>The file &quot;%1&quot; is too large for a lesson (more than 10 MB).</translation>
    </message>
</context>
<context>
    <name>varelo::Lessons</name>
    <message>
        <source>Die Lektion &quot;%1&quot; gehört zu einem Teil von Varelo, den es hier nicht gibt.</source>
        <translation>The lesson &quot;%1&quot; belongs to a part of Varelo that this version does not have.</translation>
    </message>
</context>
<context>
    <name>varelo::MirrorScene</name>
    <message>
        <source>Spiegelparameter: r = </source>
        <translation>Mirror parameters: r = </translation>
    </message>
    <message>
        <source>plan</source>
        <translation>plane</translation>
    </message>
    <message>
        <source>Durchmesser der Öffnung = </source>
        <translation>Diameter of the aperture = </translation>
    </message>
    <message>
        <source>Brennweite nach Formel f = </source>
        <translation>Focal length by the formula f = </translation>
    </message>
</context>
<context>
    <name>varelo::ModuleMenu</name>
    <message>
        <source>Lektion ö&amp;ffnen…</source>
        <translation>&amp;Open lesson…</translation>
    </message>
    <message>
        <source>Lektion öffnen</source>
        <translation>Open lesson</translation>
    </message>
    <message>
        <source>&amp;Beispiele</source>
        <translation>E&amp;xamples</translation>
    </message>
    <message>
        <source>Lektion speichern unter</source>
        <translation>Save lesson as</translation>
    </message>
    <message>
        <source>&amp;Hohlspiegel: die Katakaustik eines Bündels</source>
        <translation>&amp;Concave mirror: the catacaustic of a bundle</translation>
    </message>
    <message>
        <source>&amp;Ebener Spiegel: das virtuelle Bild</source>
        <translation>&amp;Plane mirror: the virtual image</translation>
    </message>
    <message>
        <source>&amp;Totalreflexion bei n = 1,5</source>
        <translation>&amp;Total internal reflection at n = 1.5</translation>
    </message>
    <message>
        <source>&amp;Scheinbare Tiefe: eine Punktreihe unter Wasser</source>
        <translation>&amp;Apparent depth: a row of points under water</translation>
    </message>
    <message>
        <source>&amp;Dicke Sammellinse: sphärische Aberration</source>
        <translation>Thic&amp;k converging lens: spherical aberration</translation>
    </message>
    <message>
        <source>&amp;Glaskugel als Linse</source>
        <translation>A &amp;glass sphere as a lens</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Lektion &amp;speichern…</source>
        <translation>&amp;Save lesson…</translation>
    </message>
    <message>
        <source>Lektion speichern &amp;unter…</source>
        <translation>Save lesson &amp;as…</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>&amp;Zurück zum Menü</source>
        <translation>&amp;Back to the menu</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Bedienungshinweise</source>
        <translation>&amp;Operating instructions</translation>
    </message>
    <message>
        <source>&amp;Didaktische Bemerkungen</source>
        <translation>&amp;Teaching notes</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Varelo %1

Wandlung von Lichtbündeln durch ebene und sphärische Spiegel, Brechung und Linsen.

Lizenz: GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later).</source>
        <translation>Varelo %1

Light bundles transformed by plane and spherical mirrors, refraction and lenses.

Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>B&amp;ild speichern…</source>
        <translation>Save p&amp;icture…</translation>
    </message>
    <message>
        <source>Über &amp;Varelo</source>
        <translation>&amp;About Varelo</translation>
    </message>
    <message>
        <source>&amp;Präsentation</source>
        <translation>&amp;Presentation</translation>
    </message>
    <message>
        <source>P&amp;feile</source>
        <translation>&amp;Arrows</translation>
    </message>
    <message>
        <source>&amp;Brennpunkte</source>
        <translation>F&amp;ocal points</translation>
    </message>
    <message>
        <source>&amp;Winkel anzeigen</source>
        <translation>Show an&amp;gles</translation>
    </message>
    <message>
        <source>Farbige B&amp;ündel</source>
        <translation>&amp;Coloured bundles</translation>
    </message>
    <message>
        <source>Paraxiales B&amp;ild</source>
        <translation>Pa&amp;raxial image</translation>
    </message>
    <message>
        <source>&amp;Vollbild</source>
        <translation>&amp;Full Screen</translation>
    </message>
</context>
<context>
    <name>varelo::ObjectBundles</name>
    <message>
        <source>Nur 10 Objekte möglich</source>
        <translation>Only 10 objects are possible</translation>
    </message>
    <message>
        <source>Nur 100 Strahlen je Objekt möglich</source>
        <translation>Only 100 rays per object are possible</translation>
    </message>
    <message>
        <source>Neues Objekt kann durch Drücken der rechten Maustaste und Ziehen bewegt werden!</source>
        <translation>Drag the new object with the right mouse button to move it.</translation>
    </message>
</context>
<context>
    <name>varelo::PictureWords</name>
    <message>
        <source>Totalreflexion</source>
        <translation>Total internal reflection</translation>
    </message>
</context>
<context>
    <name>varelo::RayPathScene</name>
    <message>
        <source>n = </source>
        <translation>n = </translation>
    </message>
    <message>
        <source>n =  1</source>
        <translation>n =  1</translation>
    </message>
    <message>
        <source>n = 1</source>
        <translation>n = 1</translation>
    </message>
</context>
<context>
    <name>varelo::frmBre1</name>
    <message>
        <source>Bildfeld</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source> n = 1</source>
        <translation> n = 1</translation>
    </message>
    <message>
        <source>Brechzahl des oberen Mediums</source>
        <translation>Refractive index of the upper medium</translation>
    </message>
    <message>
        <source> n = 1.33</source>
        <translation> n = 1.33</translation>
    </message>
    <message>
        <source>Brechzahl des unteren Mediums</source>
        <translation>Refractive index of the lower medium</translation>
    </message>
    <message>
        <source>Neuen Strahl starten: linke Maustaste drücken und den Strahl in die gewünschte Richtung ziehen!</source>
        <translation>New ray: press the left mouse button and drag the ray in the direction you want!</translation>
    </message>
    <message>
        <source>Objektposition: rechte Maustaste drücken und ziehen!</source>
        <translation>Object position: press the right mouse button and drag!</translation>
    </message>
    <message>
        <source>Einfalls- und Brechungswinkel</source>
        <translation>Angles of incidence and refraction</translation>
    </message>
    <message>
        <source>Winkeldiagramm: klicken zum Ablesen</source>
        <translation>Angle diagram: click to read off values</translation>
    </message>
    <message>
        <source>Wahl der dargest. Strahlen</source>
        <translation>Rays shown</translation>
    </message>
    <message>
        <source>gebrochene</source>
        <translation>refracted</translation>
    </message>
    <message>
        <source>verlängern</source>
        <translation>extend</translation>
    </message>
    <message>
        <source>gebrochene verlängern</source>
        <translation>extend refracted rays</translation>
    </message>
    <message>
        <source>gespiegelte</source>
        <translation>reflected</translation>
    </message>
    <message>
        <source>gespiegelte verlängern</source>
        <translation>extend reflected rays</translation>
    </message>
    <message>
        <source>Einfallslote</source>
        <translation>normals</translation>
    </message>
    <message>
        <source>Strahlen löschen</source>
        <translation>Clear rays</translation>
    </message>
    <message>
        <source>Strahlen löschen; nur den letzten Strahl: Strg+Z (zurückholen: Strg+Umschalt+Z)</source>
        <translation>Clear the rays; only the last ray: Ctrl+Z (bring it back: Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Brechzahl n </source>
        <translation>Refractive index n</translation>
    </message>
    <message>
        <source>Brechzahl n</source>
        <translation>Refractive index n</translation>
    </message>
    <message>
        <source>  1.00</source>
        <translation>  1.00</translation>
    </message>
    <message>
        <source>Brechzahl oben</source>
        <translation>Refractive index above</translation>
    </message>
    <message>
        <source>oben</source>
        <translation>above</translation>
    </message>
    <message>
        <source>  1.33</source>
        <translation>  1.33</translation>
    </message>
    <message>
        <source>Brechzahl unten</source>
        <translation>Refractive index below</translation>
    </message>
    <message>
        <source>unten</source>
        <translation>below</translation>
    </message>
    <message>
        <source>Markierungen</source>
        <translation>Markers</translation>
    </message>
    <message>
        <source>Auge setzen</source>
        <translation>Place an eye</translation>
    </message>
    <message>
        <source>Punkt markieren</source>
        <translation>Mark a point</translation>
    </message>
    <message>
        <source>Winkelmesser</source>
        <translation>Protractor</translation>
    </message>
    <message>
        <source>Winkeldiagramm</source>
        <translation>Angle diagram</translation>
    </message>
    <message>
        <source>Markierungen löschen</source>
        <translation>Clear markers</translation>
    </message>
    <message>
        <source>Bild ...</source>
        <translation>Picture ...</translation>
    </message>
    <message>
        <source>drucken</source>
        <translation>print</translation>
    </message>
    <message>
        <source>speichern</source>
        <translation>save</translation>
    </message>
    <message>
        <source>zur Abbildung von Punkten</source>
        <translation>to imaging of points</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Menue</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Brechung von Bündeln an einer ebenen Grenzfläche - Strahlenverlauf</source>
        <translation>Refraction of bundles at a plane interface - ray paths</translation>
    </message>
    <message>
        <source>Nur 20 Punkte möglich</source>
        <translation>Only 20 points are possible</translation>
    </message>
    <message>
        <source>Nur 20 Augen möglich</source>
        <translation>Only 20 eyes are possible</translation>
    </message>
    <message>
        <source>Nur 100 Strahlen möglich</source>
        <translation>Only 100 rays are possible</translation>
    </message>
    <message>
        <source>n = </source>
        <translation>n = </translation>
    </message>
    <message>
        <source>n = 1 </source>
        <translation>n = 1 </translation>
    </message>
    <message>
        <source>Bitte geben Sie den Namen der Datei ein. Benützen Sie die Extension .bmp! Falls Sie auf die Angabe eines Pfades vor dem Namen verzichten, wird die Datei in jenem Ordner abgelegt, aus dem heraus das Programm gestartet wurde.</source>
        <translation>Please enter the name of the file, ending in .bmp. Without a folder in front of the name, the file is saved in the folder from which the program was started.</translation>
    </message>
    <message>
        <source>Fehler beim Speichern! Disk full?</source>
        <translation>Error while saving! Is the disk full?</translation>
    </message>
    <message>
        <source>Einfalls- und Brechungswinkel für n = </source>
        <translation>Angles of incidence and refraction for n = </translation>
    </message>
</context>
<context>
    <name>varelo::frmBre2</name>
    <message>
        <source>Bildfeld</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source> n = 1 </source>
        <translation> n = 1 </translation>
    </message>
    <message>
        <source>Brechzahl oben</source>
        <translation>Refractive index above</translation>
    </message>
    <message>
        <source>Brechzahl unten</source>
        <translation>Refractive index below</translation>
    </message>
    <message>
        <source>   1.00</source>
        <translation>   1.00</translation>
    </message>
    <message>
        <source>Brechzahl des oberen Mediums</source>
        <translation>Refractive index of the upper medium</translation>
    </message>
    <message>
        <source>   1.33</source>
        <translation>   1.33</translation>
    </message>
    <message>
        <source>Brechzahl des unteren Mediums</source>
        <translation>Refractive index of the lower medium</translation>
    </message>
    <message>
        <source>Augenposition: linke Maustate drücken!</source>
        <translation>Eye position: press the left mouse button!</translation>
    </message>
    <message>
        <source>Objektposition: rechte Maustaste drücken</source>
        <translation>Object position: press the right mouse button</translation>
    </message>
    <message>
        <source>Brechzahl n  </source>
        <translation>Refractive index n</translation>
    </message>
    <message>
        <source>  oben</source>
        <translation>  above</translation>
    </message>
    <message>
        <source>  unten</source>
        <translation>  below</translation>
    </message>
    <message>
        <source>Abbildung von ...</source>
        <translation>Imaging of ...</translation>
    </message>
    <message>
        <source>Bild ...</source>
        <translation>Picture ...</translation>
    </message>
    <message>
        <source>Brechzahl n</source>
        <translation>Refractive index n</translation>
    </message>
    <message>
        <source>einzelnen Punkten</source>
        <translation>single points</translation>
    </message>
    <message>
        <source>Punktreihen</source>
        <translation>rows of points</translation>
    </message>
    <message>
        <source>Raster on/off</source>
        <translation>Grid on/off</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Löschen der Punktreihe; nur den letzten Punkt: Strg+Z (zurückholen: Strg+Umschalt+Z)</source>
        <translation>Clear the row of points; only the last point: Ctrl+Z (bring it back: Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>drucken</source>
        <translation>print</translation>
    </message>
    <message>
        <source>speichern</source>
        <translation>save</translation>
    </message>
    <message>
        <source>zum Strahlenverlauf</source>
        <translation>to ray paths</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Menue</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Brechung von schlanken Bündeln an einer ebenen Grenzfläche - Abbildung von Punkten</source>
        <translation>Refraction of slender bundles at a plane interface - imaging of points</translation>
    </message>
    <message>
        <source> n = </source>
        <translation> n = </translation>
    </message>
    <message>
        <source>Nur 100 Punkte möglich</source>
        <translation>Only 100 points are possible</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Namen der Datei ein. Benützen Sie die Extension .bmp! Falls Sie auf die Angabe eines Pfades vor dem Namen verzichten, wird die Datei auf dem Desktop abgelegt.</source>
        <translation>Please enter the name of the file, ending in .bmp. Without a folder in front of the name, the file is saved on the desktop.</translation>
    </message>
    <message>
        <source>Fehler beim Speichern! Disk full?</source>
        <translation>Error while saving! Is the disk full?</translation>
    </message>
</context>
<context>
    <name>varelo::frmLins</name>
    <message>
        <source>Bildfeld</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>x-Position der Maus</source>
        <translation>x position of the mouse pointer</translation>
    </message>
    <message>
        <source>y-Position der Maus</source>
        <translation>y position of the mouse pointer</translation>
    </message>
    <message>
        <source>Einfalls- und Brechungswinkel</source>
        <translation>Angles of incidence and refraction</translation>
    </message>
    <message>
        <source>Winkeldiagramm: klicken zum Ablesen</source>
        <translation>Angle diagram: click to read off values</translation>
    </message>
    <message>
        <source>Objektpunkt durch Drücken der rechten Maustaste  und  durch Ziehen in gew.Position bringen!</source>
        <translation>Drag the object point with the right mouse button to where you want it!</translation>
    </message>
    <message>
        <source>Strahl kann durch Drücken  und Ziehen der linken Maustaste selektiert werden</source>
        <translation>Drag with the left mouse button to select a ray</translation>
    </message>
    <message>
        <source>Bildfeld waagerecht verschieben</source>
        <translation>Pan the picture horizontally</translation>
    </message>
    <message>
        <source>Bildfeld senkrecht verschieben</source>
        <translation>Pan the picture vertically</translation>
    </message>
    <message>
        <source>Linsenparameter</source>
        <translation>Lens parameters</translation>
    </message>
    <message>
        <source>R1 (rechts)</source>
        <translation>R1 (right)</translation>
    </message>
    <message>
        <source>Krümmung der rechten Fläche R1</source>
        <translation>Curvature of the right surface R1</translation>
    </message>
    <message>
        <source>Radius R1</source>
        <translation>Radius R1</translation>
    </message>
    <message>
        <source>R2 (links)</source>
        <translation>R2 (left)</translation>
    </message>
    <message>
        <source>Krümmung der linken Fläche R2</source>
        <translation>Curvature of the left surface R2</translation>
    </message>
    <message>
        <source>Radius R2</source>
        <translation>Radius R2</translation>
    </message>
    <message>
        <source>Dicke </source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Dicke der Linse in der Mitte</source>
        <translation>Thickness of the lens at the centre</translation>
    </message>
    <message>
        <source>Dicke</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Durchmesser</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Durchmesser der Linse</source>
        <translation>Diameter of the lens</translation>
    </message>
    <message>
        <source>Brechzahl n</source>
        <translation>Index n</translation>
    </message>
    <message>
        <source>Brechzahl</source>
        <translation>Refractive index</translation>
    </message>
    <message>
        <source>Fertige Linsen</source>
        <translation>Ready-made lenses</translation>
    </message>
    <message>
        <source> 1</source>
        <translation> 1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Wahl der dargest.Strahlen </source>
        <translation>Rays shown</translation>
    </message>
    <message>
        <source>durchgehende</source>
        <translation>transmitted</translation>
    </message>
    <message>
        <source>verlängern</source>
        <translation>extend</translation>
    </message>
    <message>
        <source>vorn gespiegelte</source>
        <translation>front-reflected</translation>
    </message>
    <message>
        <source>      &quot;</source>
        <translation>      &quot;</translation>
    </message>
    <message>
        <source>vorn gespiegelte verlängern</source>
        <translation>extend front-reflected rays</translation>
    </message>
    <message>
        <source>hinten gespiegelte</source>
        <translation>back-reflected</translation>
    </message>
    <message>
        <source>hinten gespiegelte verlängern</source>
        <translation>extend back-reflected rays</translation>
    </message>
    <message>
        <source>Einfallslote </source>
        <translation>normals</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoomfaktor</source>
        <translation>Zoom factor</translation>
    </message>
    <message>
        <source>Position und Nummer des aktuellen Objekts</source>
        <translation>Current object</translation>
    </message>
    <message>
        <source>x-Position des Objekts</source>
        <translation>x position of the object</translation>
    </message>
    <message>
        <source>y-Position des Objekts</source>
        <translation>y position of the object</translation>
    </message>
    <message>
        <source>Nummer des aktuellen Objekts</source>
        <translation>Number of the current object</translation>
    </message>
    <message>
        <source>Neues Objekt</source>
        <translation>New object</translation>
    </message>
    <message>
        <source>Neu beginnen</source>
        <translation>Start again</translation>
    </message>
    <message>
        <source>Markieren</source>
        <translation>Markers</translation>
    </message>
    <message>
        <source>Auge setzen</source>
        <translation>Place an eye</translation>
    </message>
    <message>
        <source>Punkt markieren</source>
        <translation>Mark a point</translation>
    </message>
    <message>
        <source>Bildschirmlinie</source>
        <translation>Screen line</translation>
    </message>
    <message>
        <source>Raster ein/aus</source>
        <translation>Grid on/off</translation>
    </message>
    <message>
        <source>Winkelmesser</source>
        <translation>Protractor</translation>
    </message>
    <message>
        <source>Winkeldiagramm</source>
        <translation>Angle diagram</translation>
    </message>
    <message>
        <source>Markierungen löschen</source>
        <translation>Clear markers</translation>
    </message>
    <message>
        <source>Aktuelles Bündel löschen</source>
        <translation>Clear current bundle</translation>
    </message>
    <message>
        <source>Aktuelles Bündel löschen; nur den letzten Strahl: Strg+Z (zurückholen: Strg+Umschalt+Z)</source>
        <translation>Clear the current bundle; only the last ray: Ctrl+Z (bring it back: Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Bild drucken</source>
        <translation>Print picture</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Info </source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Didaktische Bemerkungen</source>
        <translation>Teaching notes</translation>
    </message>
    <message>
        <source>Menue</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Sphärische Linsen  als Bündel-Wandler</source>
        <translation>Spherical lenses as bundle transformers</translation>
    </message>
    <message>
        <source>Zoom vergrößern</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom verkleinern</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Objektpunkt nach links</source>
        <translation>Move the object point left</translation>
    </message>
    <message>
        <source>Objektpunkt nach rechts</source>
        <translation>Move the object point right</translation>
    </message>
    <message>
        <source>Objektpunkt nach oben</source>
        <translation>Move the object point up</translation>
    </message>
    <message>
        <source>Objektpunkt nach unten</source>
        <translation>Move the object point down</translation>
    </message>
    <message>
        <source>Fertige Linse %1</source>
        <translation>Ready-made lens %1</translation>
    </message>
    <message>
        <source>Fertige Linse %1: links laden, rechts speichern</source>
        <translation>Ready-made lens %1: left click loads, right click stores</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>plane</translation>
    </message>
    <message>
        <source> plan</source>
        <translation> plane</translation>
    </message>
    <message>
        <source>x = </source>
        <translation>x = </translation>
    </message>
    <message>
        <source>y = </source>
        <translation>y = </translation>
    </message>
    <message>
        <source>x=</source>
        <translation>x=</translation>
    </message>
    <message>
        <source>y=</source>
        <translation>y=</translation>
    </message>
    <message>
        <source>Einfalls- und Brechungswinkel für n = </source>
        <translation>Angles of incidence and refraction for n = </translation>
    </message>
    <message>
        <source>Bitte geben Sie den Namen der Bilddatei an; als Extension sollten Sie.bmp verwenden! Falls Sie auf Angabe eines Pfades verzichten, wird die Datei in jenem Ordner abgelegt, aus dem heraus Sie das Programm gestartet haben.</source>
        <translation>Please enter the name of the picture file, ending in .bmp. Without a folder in front of the name, the file is saved in the folder from which you started the program.</translation>
    </message>
    <message>
        <source>Fehler beim Speichern!  Disk full?</source>
        <translation>Error while saving! Is the disk full?</translation>
    </message>
</context>
<context>
    <name>varelo::frmSpieg</name>
    <message>
        <source>Bildfeld</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Spiegelparameter</source>
        <translation>Mirror parameters</translation>
    </message>
    <message>
        <source>   -     Krümmung     +</source>
        <translation>   -     Curvature     +</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Durchmesser</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Wahl der dargest. Strahlen </source>
        <translation>Rays shown</translation>
    </message>
    <message>
        <source>Position und Nummer des aktuellen Objekts</source>
        <translation>Current object</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Markieren </source>
        <translation>Markers</translation>
    </message>
    <message>
        <source>Bildfeld waagerecht verschieben</source>
        <translation>Pan the picture horizontally</translation>
    </message>
    <message>
        <source>Bildfeld senkrecht verschieben</source>
        <translation>Pan the picture vertically</translation>
    </message>
    <message>
        <source>Krümmung des Spiegels</source>
        <translation>Curvature of the mirror</translation>
    </message>
    <message>
        <source>Durchmesser der Spiegelöffnung</source>
        <translation>Diameter of the mirror&apos;s aperture</translation>
    </message>
    <message>
        <source>x-Position des Objekts</source>
        <translation>x position of the object</translation>
    </message>
    <message>
        <source>y-Position des Objekts</source>
        <translation>y position of the object</translation>
    </message>
    <message>
        <source>Nummer des aktuellen Objekts</source>
        <translation>Number of the current object</translation>
    </message>
    <message>
        <source>Zoomfaktor</source>
        <translation>Zoom factor</translation>
    </message>
    <message>
        <source>x-Position der Maus</source>
        <translation>x position of the mouse pointer</translation>
    </message>
    <message>
        <source>y-Position der Maus</source>
        <translation>y position of the mouse pointer</translation>
    </message>
    <message>
        <source> gespiegelte verlängern</source>
        <translation>extend reflected rays</translation>
    </message>
    <message>
        <source>gespiegelte gestrichelt</source>
        <translation>reflected rays dashed</translation>
    </message>
    <message>
        <source>Einfallslote einzeichnen</source>
        <translation>draw the normals</translation>
    </message>
    <message>
        <source>Neues Objekt</source>
        <translation>New object</translation>
    </message>
    <message>
        <source>Neu beginnen</source>
        <translation>Start again</translation>
    </message>
    <message>
        <source>Auge setzen</source>
        <translation>Place an eye</translation>
    </message>
    <message>
        <source>Punkt markieren</source>
        <translation>Mark a point</translation>
    </message>
    <message>
        <source>Bildschirmlinie</source>
        <translation>Screen line</translation>
    </message>
    <message>
        <source>Raster ein/aus</source>
        <translation>Grid on/off</translation>
    </message>
    <message>
        <source>Markierungen löschen</source>
        <translation>Clear markers</translation>
    </message>
    <message>
        <source>Aktuelles Bündel löschen</source>
        <translation>Clear current bundle</translation>
    </message>
    <message>
        <source>Aktuelles Bündel löschen; nur den letzten Strahl: Strg+Z (zurückholen: Strg+Umschalt+Z)</source>
        <translation>Clear the current bundle; only the last ray: Ctrl+Z (bring it back: Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Bild drucken</source>
        <translation>Print picture</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Info </source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Didaktische Bemerkung</source>
        <translation>Teaching notes</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Objektpunkt kann durch Drücken der rechten Maustaste und Ziehen bewegt werden</source>
        <translation>Drag the object point with the right mouse button to move it</translation>
    </message>
    <message>
        <source>Strahl kann durch Drücken  und Ziehen der linken Maustaste selektiert werden</source>
        <translation>Drag with the left mouse button to select a ray</translation>
    </message>
    <message>
        <source>Ebene und sphärische Spiegel  als Bündel-Wandler</source>
        <translation>Plane and spherical mirrors as bundle transformers</translation>
    </message>
    <message>
        <source>Zoom vergrößern</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom verkleinern</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Objektpunkt nach links</source>
        <translation>Move the object point left</translation>
    </message>
    <message>
        <source>Objektpunkt nach rechts</source>
        <translation>Move the object point right</translation>
    </message>
    <message>
        <source>Objektpunkt nach oben</source>
        <translation>Move the object point up</translation>
    </message>
    <message>
        <source>Objektpunkt nach unten</source>
        <translation>Move the object point down</translation>
    </message>
    <message>
        <source>x=</source>
        <translation>x=</translation>
    </message>
    <message>
        <source>y=</source>
        <translation>y=</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>plane</translation>
    </message>
    <message>
        <source>x = </source>
        <translation>x = </translation>
    </message>
    <message>
        <source>y = </source>
        <translation>y = </translation>
    </message>
    <message>
        <source>Bitte geben Sie den Namen der Bilddatei an; als Extension sollten Sie.bmp verwenden! Falls Sie auf Angabe eines Pfades verzichten, wird die Datei im Desktop abgelegt.</source>
        <translation>Please enter the name of the picture file, ending in .bmp. Without a folder in front of the name, the file is saved on the desktop.</translation>
    </message>
    <message>
        <source>Spiegel.bmp</source>
        <translation>Mirror.bmp</translation>
    </message>
    <message>
        <source>Fehler beim Speichern! Disk full?</source>
        <translation>Error while saving! Is the disk full?</translation>
    </message>
</context>
<context>
    <name>varelo::frmVarelo</name>
    <message>
        <source>Reflexion</source>
        <translation>Reflection</translation>
    </message>
    <message>
        <source>Brechung</source>
        <translation>Refraction</translation>
    </message>
    <message>
        <source>Linsen</source>
        <translation>Lenses</translation>
    </message>
    <message>
        <source>Wandlung von Lichtbündeln durch ...</source>
        <translation>Light bundles transformed by ...</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Exit</translation>
    </message>
</context>
</TS>
