<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>The program holding the clipboard does not answer; nothing was pasted.</source>
        <translation>Das Programm, das die Zwischenablage hält, antwortet nicht; nichts wurde eingefügt.</translation>
    </message>
    <message>
        <source>The clipboard text is larger than 16 MiB; nothing was pasted.</source>
        <translation>Der Text in der Zwischenablage ist größer als 16 MiB; nichts wurde eingefügt.</translation>
    </message>
    <message>
        <source>&lt;style&gt;td { padding-right: 8px; white-space: nowrap }&lt;/style&gt;&lt;table cellspacing=&quot;2&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Keys&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0-9 . ,&lt;/td&gt;&lt;td&gt;digits, decimal separator&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;+ - * / (keypad)&lt;/td&gt;&lt;td&gt;operations&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Shift+5, Shift+8&lt;/td&gt;&lt;td&gt;%, *&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Enter, Esc, Delete&lt;/td&gt;&lt;td&gt;=, CE, C&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Backspace, F9, R, @&lt;/td&gt;&lt;td&gt;BACK, +/-, 1/x, square root&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+L, Ctrl+R, Ctrl+P, Ctrl+Q&lt;/td&gt;&lt;td&gt;MC, MR, M+, M-&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Insert, Shift+Insert&lt;/td&gt;&lt;td&gt;copy, paste&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Functions panel&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;S, O, T, K&lt;/td&gt;&lt;td&gt;sin, cos, tan, cot&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;E, W&lt;/td&gt;&lt;td&gt;sec, cosec&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Shift+S, O, T, K&lt;/td&gt;&lt;td&gt;arcsin, arccos, arctan, arccot&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S, O, T, K, E, W&lt;/td&gt;&lt;td&gt;sinh, cosh, tanh, coth, sech, cosech&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+S, O, T, K&lt;/td&gt;&lt;td&gt;arsinh, arcosh, artanh, arcoth&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;N, L, G&lt;/td&gt;&lt;td&gt;ln, lg, log to the base y&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;X, B, Q, #&lt;/td&gt;&lt;td&gt;e&lt;sup&gt;x&lt;/sup&gt;, cube root, x², x³&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Y or ^, !, P&lt;/td&gt;&lt;td&gt;x&lt;sup&gt;y&lt;/sup&gt;, n!, π&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2, F3, F4, F5&lt;/td&gt;&lt;td&gt;degrees, radians, grads, turns&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;style&gt;td { padding-right: 8px; white-space: nowrap }&lt;/style&gt;&lt;table cellspacing=&quot;2&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tasten&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0-9 . ,&lt;/td&gt;&lt;td&gt;Ziffern, Dezimaltrennzeichen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;+ - * / (Ziffernblock)&lt;/td&gt;&lt;td&gt;Rechenarten&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Umschalt+5, Umschalt+8&lt;/td&gt;&lt;td&gt;%, *&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Eingabe, Esc, Entf&lt;/td&gt;&lt;td&gt;=, CE, C&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Rück, F9, R, @&lt;/td&gt;&lt;td&gt;BACK, +/-, 1/x, Quadratwurzel&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+L, Strg+R, Strg+P, Strg+Q&lt;/td&gt;&lt;td&gt;MC, MR, M+, M-&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+Einfg, Umschalt+Einfg&lt;/td&gt;&lt;td&gt;kopieren, einfügen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Funktionsfeld&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;S, O, T, K&lt;/td&gt;&lt;td&gt;sin, cos, tan, cot&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;E, W&lt;/td&gt;&lt;td&gt;sec, cosec&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Umschalt+S, O, T, K&lt;/td&gt;&lt;td&gt;arcsin, arccos, arctan, arccot&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+S, O, T, K, E, W&lt;/td&gt;&lt;td&gt;sinh, cosh, tanh, coth, sech, cosech&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Strg+Umschalt+S, O, T, K&lt;/td&gt;&lt;td&gt;arsinh, arcosh, artanh, arcoth&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;N, L, G&lt;/td&gt;&lt;td&gt;ln, lg, Logarithmus zur Basis y&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;X, B, Q, #&lt;/td&gt;&lt;td&gt;e&lt;sup&gt;x&lt;/sup&gt;, Kubikwurzel, x², x³&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Y oder ^, !, P&lt;/td&gt;&lt;td&gt;x&lt;sup&gt;y&lt;/sup&gt;, n!, π&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2, F3, F4, F5&lt;/td&gt;&lt;td&gt;Grad, Radiant, Gon, Umdrehungen&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
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
</TS>
