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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Wayland the taskbar button stays while the window is on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No system tray is running on this desktop</source>
        <translation>Auf diesem Desktop läuft kein Infobereich</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;2&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Keys&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;0-9 . ,&lt;/td&gt;&lt;td&gt;digits, decimal separator&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;+ - * / = %&lt;/td&gt;&lt;td&gt;operations, =, % (main row or keypad)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Shift+5, Shift+8&lt;/td&gt;&lt;td&gt;%, *&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Enter, Esc, Delete&lt;/td&gt;&lt;td&gt;=, CE, C (Enter is = also on a focused key)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Backspace, F9, R, @&lt;/td&gt;&lt;td&gt;BACK, +/-, 1/x, square root&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+L, Ctrl+R, Ctrl+P&lt;/td&gt;&lt;td&gt;MC, MR, M+&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+P&lt;/td&gt;&lt;td&gt;M-&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+C, Ctrl+V&lt;/td&gt;&lt;td&gt;copy, paste (also Ctrl+Insert, Shift+Insert)&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Q&lt;/td&gt;&lt;td&gt;quit&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Tab, Shift+Tab, arrows&lt;/td&gt;&lt;td&gt;move between the keys; space clicks one&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Functions panel&lt;/b&gt;&lt;/td&gt;&lt;td&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;S, O, T, K&lt;/td&gt;&lt;td&gt;sin, cos, tan, cot&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;E, W&lt;/td&gt;&lt;td&gt;sec, cosec&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Shift+S, O, T, K&lt;/td&gt;&lt;td&gt;arcsin, arccos, arctan, arccot&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+S, O, T, K, E, W&lt;/td&gt;&lt;td&gt;sinh, cosh, tanh, coth, sech, cosech&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+S, O, T, K&lt;/td&gt;&lt;td&gt;arsinh, arcosh, artanh, arcoth&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;N, L, G&lt;/td&gt;&lt;td&gt;ln, lg, log to the base y&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;X, B, Q, #&lt;/td&gt;&lt;td&gt;e&lt;sup&gt;x&lt;/sup&gt;, cube root, x², x³&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Y or ^, !, P&lt;/td&gt;&lt;td&gt;x&lt;sup&gt;y&lt;/sup&gt;, n!, π&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2, F3, F4, F5&lt;/td&gt;&lt;td&gt;degrees, radians, grads, turns&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation type="unfinished"></translation>
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
</context>
</TS>
