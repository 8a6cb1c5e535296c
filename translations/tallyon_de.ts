<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>PasteNote</name>
    <message>
        <source>Not pasted: no number</source>
        <translation>Nicht eingefügt: keine Zahl</translation>
    </message>
    <message>
        <source>Not pasted: several numbers</source>
        <translation>Nicht eingefügt: mehrere Zahlen</translation>
    </message>
    <message>
        <source>Not pasted: not a number</source>
        <translation>Nicht eingefügt: keine gültige Zahl</translation>
    </message>
    <message>
        <source>Not pasted: out of range</source>
        <translation>Nicht eingefügt: außerhalb des Bereichs</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Quit Without Saving</source>
        <translation>&amp;Beenden ohne Speichern</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>freeware</source>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>Tallyon banner</source>
        <translation>Tallyon-Banner</translation>
    </message>
    <message>
        <source>Tallyon picture</source>
        <translation>Tallyon-Bild</translation>
    </message>
    <message>
        <source>Home page; a click opens it</source>
        <translation>Homepage; ein Klick öffnet sie</translation>
    </message>
    <message>
        <source>Support mail; a click writes to it</source>
        <translation>Support-Adresse; ein Klick schreibt an sie</translation>
    </message>
</context>
<context>
    <name>TFCalc</name>
    <message>
        <source>Tallyon - Freeware</source>
        <translation>Tallyon - Freeware</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Tastenfeld</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source> Memory =</source>
        <translation> Speicher =</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Sh&amp;ow Tallyon In</source>
        <translation>Tallyon &amp;zeigen in</translation>
    </message>
    <message>
        <source>&amp;Taskbar and system tray</source>
        <translation>&amp;Taskleiste und Infobereich</translation>
    </message>
    <message>
        <source>T&amp;askbar only</source>
        <translation>Nur T&amp;askleiste</translation>
    </message>
    <message>
        <source>&amp;System tray only</source>
        <translation>Nur &amp;Infobereich</translation>
    </message>
    <message>
        <source>Thousand &amp;separator</source>
        <translation>&amp;Tausendertrennzeichen</translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>&amp;Homepage</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Kotangens</translation>
    </message>
    <message>
        <source>Secant</source>
        <translation>Sekans</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Kosekans</translation>
    </message>
    <message>
        <source>Arcsine</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <source>Arccosine</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <source>Arccotangent</source>
        <translation>Arkuskotangens</translation>
    </message>
    <message>
        <source>Hyperbolic sine</source>
        <translation>Sinus hyperbolicus</translation>
    </message>
    <message>
        <source>Hyperbolic cosine</source>
        <translation>Kosinus hyperbolicus</translation>
    </message>
    <message>
        <source>Hyperbolic tangent</source>
        <translation>Tangens hyperbolicus</translation>
    </message>
    <message>
        <source>Hyperbolic cotangent</source>
        <translation>Kotangens hyperbolicus</translation>
    </message>
    <message>
        <source>Hyperbolic secant</source>
        <translation>Sekans hyperbolicus</translation>
    </message>
    <message>
        <source>Hyperbolic cosecant</source>
        <translation>Kosekans hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse hyperbolic sine</source>
        <translation>Areasinus hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cosine</source>
        <translation>Areakosinus hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse hyperbolic tangent</source>
        <translation>Areatangens hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cotangent</source>
        <translation>Areakotangens hyperbolicus</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>Common logarithm</source>
        <translation>Dekadischer Logarithmus</translation>
    </message>
    <message>
        <source>Logarithm to the base y</source>
        <translation>Logarithmus zur Basis y</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentialfunktion</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Kubikwurzel</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Kubikzahl</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Rad</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>Gon</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>Gon</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Umdr</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>Umdrehungen</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Value, angles in %1</source>
        <translation>Wert, Winkel in %1</translation>
    </message>
    <message>
        <source>Angles in %1, chosen</source>
        <translation>Winkel in %1, gewählt</translation>
    </message>
    <message>
        <source>Angles in %1</source>
        <translation>Winkel in %1</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>&amp;Funktionen</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>Wayland offers no stay-on-top request; run Tallyon through X (QT_QPA_PLATFORM=xcb)</source>
        <translation>Wayland kennt keine Bitte um „Immer im Vordergrund“; starten Sie Tallyon über X (QT_QPA_PLATFORM=xcb)</translation>
    </message>
    <message>
        <source>On Wayland the taskbar button stays while the window is on screen</source>
        <translation>Unter Wayland bleibt die Schaltfläche in der Taskleiste, solange das Fenster angezeigt wird</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Delete the last digit</source>
        <translation>Letzte Ziffer löschen</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Ziffer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Vom Speicher abziehen</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Zum Speicher addieren</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>No system tray is running on this desktop</source>
        <translation>Auf diesem Desktop läuft kein Infobereich</translation>
    </message>
    <message>
        <source>the digits</source>
        <translation>die Ziffern</translation>
    </message>
    <message>
        <source>0-9 (main row or keypad)</source>
        <translation>0-9 (Hauptfeld oder Ziffernblock)</translation>
    </message>
    <message>
        <source>the decimal separator (the locale&apos;s is inserted)</source>
        <translation>das Dezimaltrennzeichen (das der Region)</translation>
    </message>
    <message>
        <source>the operations, main row or keypad</source>
        <translation>die Rechenarten, Hauptfeld oder Ziffernblock</translation>
    </message>
    <message>
        <source>%, *</source>
        <translation>%, *</translation>
    </message>
    <message>
        <source>=, CE, C (Enter is = also on a focused key)</source>
        <translation>=, CE, C (Eingabe ist = auch auf einer Taste mit Fokus)</translation>
    </message>
    <message>
        <source>BACK, +/-, 1/x, square root</source>
        <translation>BACK, +/-, 1/x, Quadratwurzel</translation>
    </message>
    <message>
        <source>MC, MR, M+</source>
        <translation>MC, MR, M+</translation>
    </message>
    <message>
        <source>M-</source>
        <translation>M-</translation>
    </message>
    <message>
        <source>copy the value</source>
        <translation>den Wert kopieren</translation>
    </message>
    <message>
        <source>paste a number</source>
        <translation>eine Zahl einfügen</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>beenden</translation>
    </message>
    <message>
        <source>move between the keys; space clicks one</source>
        <translation>zwischen den Tasten wechseln; Leertaste klickt eine</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab, arrows</source>
        <translation>Tab, Shift+Tab, Pfeiltasten</translation>
    </message>
    <message>
        <source>sin, cos, tan, cot</source>
        <translation>sin, cos, tan, cot</translation>
    </message>
    <message>
        <source>arcsin, arccos, arctan, arccot</source>
        <translation>arcsin, arccos, arctan, arccot</translation>
    </message>
    <message>
        <source>sinh, cosh, tanh, coth</source>
        <translation>sinh, cosh, tanh, coth</translation>
    </message>
    <message>
        <source>arsinh, arcosh, artanh, arcoth</source>
        <translation>arsinh, arcosh, artanh, arcoth</translation>
    </message>
    <message>
        <source>sec, cosec, sech, cosech</source>
        <translation>sec, cosec, sech, cosech</translation>
    </message>
    <message>
        <source>ln, lg, log to the base y (x G y =)</source>
        <translation>ln, lg, Logarithmus zur Basis y (x G y =)</translation>
    </message>
    <message>
        <source>eˣ, ∛x, x²</source>
        <translation>eˣ, ∛x, x²</translation>
    </message>
    <message>
        <source>x³</source>
        <translation>x³</translation>
    </message>
    <message>
        <source>xʸ</source>
        <translation>xʸ</translation>
    </message>
    <message>
        <source>n!</source>
        <translation>n!</translation>
    </message>
    <message>
        <source>π</source>
        <translation>π</translation>
    </message>
    <message>
        <source>degrees, radians, grads, turns</source>
        <translation>Grad, Radiant, Gon, Umdrehungen</translation>
    </message>
    <message>
        <source>Not pasted: the clipboard does not answer</source>
        <translation>Nicht eingefügt: Zwischenablage antwortet nicht</translation>
    </message>
    <message>
        <source>Not pasted: text over 16 MiB</source>
        <translation>Nicht eingefügt: Text über 16 MiB</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Functions panel</source>
        <translation>Funktionsfeld</translation>
    </message>
    <message>
        <source>Copy T&amp;ape</source>
        <translation>Rechenstreifen k&amp;opieren</translation>
    </message>
    <message>
        <source>C&amp;lear Tape...</source>
        <translation>Rechenstreifen &amp;leeren...</translation>
    </message>
    <message>
        <source>T&amp;ape</source>
        <translation>&amp;Rechenstreifen</translation>
    </message>
    <message>
        <source>&amp;Keep the Tape Across Restarts</source>
        <translation>Rechenstreifen &amp;behalten</translation>
    </message>
    <message>
        <source>Move Into the Tape</source>
        <translation>In den Rechenstreifen wechseln</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Rechenstreifen</translation>
    </message>
    <message>
        <source>into the tape and back; in it, Enter uses an entry&apos;s result, Ctrl+C copies, Delete removes</source>
        <translation>in den Rechenstreifen und zurück; darin übernimmt Enter das Ergebnis eines Eintrags, Strg+C kopiert, Entf entfernt</translation>
    </message>
    <message>
        <source>Lines of the tape file &quot;%1&quot; that could not be read were skipped (%2).</source>
        <translation>Zeilen der Rechenstreifen-Datei &quot;%1&quot;, die nicht gelesen werden konnten, wurden übersprungen (%2).</translation>
    </message>
    <message>
        <source>Clear the tape? All its entries (%1) will be removed for good.</source>
        <translation>Den Rechenstreifen leeren? Alle Einträge (%1) werden endgültig entfernt.</translation>
    </message>
    <message>
        <source>The tape cannot be kept in &quot;%1&quot;: %2. Its entries are kept until Tallyon closes.</source>
        <translation>Der Rechenstreifen kann nicht in &quot;%1&quot; gespeichert werden: %2. Seine Einträge bleiben erhalten, bis Tallyon beendet wird.</translation>
    </message>
</context>
<context>
    <name>TFSubmitNumber</name>
    <message>
        <source>Submit</source>
        <comment>title</comment>
        <translation>Zahl eingeben</translation>
    </message>
    <message>
        <source>Submit</source>
        <comment>button</comment>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Submit</source>
        <comment>input group</comment>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Mantissa:</source>
        <translation>Mantisse:</translation>
    </message>
    <message>
        <source>Exponent:</source>
        <translation>Exponent:</translation>
    </message>
    <message>
        <source>Mantissa</source>
        <translation>Mantisse</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Exponent</translation>
    </message>
</context>
<context>
    <name>TMathError</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Ungültiger Wert</translation>
    </message>
    <message>
        <source>Negativ value</source>
        <translation>Negativer Wert</translation>
    </message>
    <message>
        <source>Angle Magnitude too large</source>
        <translation>Winkel zu groß</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Gleitkommadivision durch Null</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist kein gültiger Gleitkommawert</translation>
    </message>
</context>
<context>
    <name>TSettingsNotice</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für &apos;%1&apos; konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The settings file was damaged and could not be read. It has been kept as &quot;%1&quot;, and the settings start from their defaults.</source>
        <translation>Die Einstellungsdatei war beschädigt und konnte nicht gelesen werden. Sie wurde als &quot;%1&quot; aufbewahrt, und die Einstellungen beginnen mit ihren Standardwerten.</translation>
    </message>
    <message>
        <source>The settings file cannot be read or written: &quot;%1&quot;. The settings start from their defaults.</source>
        <translation>Die Einstellungsdatei kann weder gelesen noch geschrieben werden: &quot;%1&quot;. Die Einstellungen beginnen mit ihren Standardwerten.</translation>
    </message>
    <message>
        <source>The settings file cannot be read or written: &quot;%1&quot;: %2. The settings start from their defaults.</source>
        <translation>Die Einstellungsdatei kann weder gelesen noch geschrieben werden: &quot;%1&quot;: %2. Die Einstellungen beginnen mit ihren Standardwerten.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: changes to the settings will not be kept.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; kann nicht geschrieben werden: Änderungen an den Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written (%2): changes to the settings will not be kept.</source>
        <translation>Die Einstellungsdatei &quot;%1&quot; kann nicht geschrieben werden (%2): Änderungen an den Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Some stored settings in &quot;%1&quot; cannot be used: %2. They start from their defaults.</source>
        <translation>Einige gespeicherte Einstellungen in &quot;%1&quot; können nicht verwendet werden: %2. Sie beginnen mit ihren Standardwerten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is of the wrong type</source>
        <translation>&quot;%1&quot; hat den falschen Typ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not UTF-8 text</source>
        <translation>&quot;%1&quot; ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>&quot;%1&quot; kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of its range, %2 to %3</source>
        <translation>&quot;%1&quot; liegt außerhalb seines Bereichs, %2 bis %3</translation>
    </message>
</context>
</TS>
