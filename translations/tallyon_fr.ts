<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>PasteNote</name>
    <message>
        <source>Not pasted: no number</source>
        <translation>Non collé : aucun nombre</translation>
    </message>
    <message>
        <source>Not pasted: several numbers</source>
        <translation>Non collé : plusieurs nombres</translation>
    </message>
    <message>
        <source>Not pasted: not a number</source>
        <translation>Non collé : pas un nombre</translation>
    </message>
    <message>
        <source>Not pasted: out of range</source>
        <translation>Non collé : hors limites</translation>
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
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>freeware</source>
        <translation>gratuiciel</translation>
    </message>
</context>
<context>
    <name>TFCalc</name>
    <message>
        <source>Tallyon - Freeware</source>
        <translation>Tallyon - Gratuiciel</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Pavé de touches</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source> Memory =</source>
        <translation> Mémoire =</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Sh&amp;ow Tallyon In</source>
        <translation>&amp;Montrer Tallyon dans</translation>
    </message>
    <message>
        <source>&amp;Taskbar and system tray</source>
        <translation>&amp;Barre des tâches et zone de notification</translation>
    </message>
    <message>
        <source>T&amp;askbar only</source>
        <translation>Barre des tâches &amp;seule</translation>
    </message>
    <message>
        <source>&amp;System tray only</source>
        <translation>&amp;Zone de notification seule</translation>
    </message>
    <message>
        <source>Thousand &amp;separator</source>
        <translation>&amp;Séparateur des milliers</translation>
    </message>
    <message>
        <source>Stay On &amp;Top</source>
        <translation>Toujours au &amp;premier plan</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>Page d’&amp;accueil</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Cosinus</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Cotangente</translation>
    </message>
    <message>
        <source>Secant</source>
        <translation>Sécante</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Cosécante</translation>
    </message>
    <message>
        <source>Arcsine</source>
        <translation>Arc sinus</translation>
    </message>
    <message>
        <source>Arccosine</source>
        <translation>Arc cosinus</translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation>Arc tangente</translation>
    </message>
    <message>
        <source>Arccotangent</source>
        <translation>Arc cotangente</translation>
    </message>
    <message>
        <source>Hyperbolic sine</source>
        <translation>Sinus hyperbolique</translation>
    </message>
    <message>
        <source>Hyperbolic cosine</source>
        <translation>Cosinus hyperbolique</translation>
    </message>
    <message>
        <source>Hyperbolic tangent</source>
        <translation>Tangente hyperbolique</translation>
    </message>
    <message>
        <source>Hyperbolic cotangent</source>
        <translation>Cotangente hyperbolique</translation>
    </message>
    <message>
        <source>Hyperbolic secant</source>
        <translation>Sécante hyperbolique</translation>
    </message>
    <message>
        <source>Hyperbolic cosecant</source>
        <translation>Cosécante hyperbolique</translation>
    </message>
    <message>
        <source>Inverse hyperbolic sine</source>
        <translation>Argument sinus hyperbolique</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cosine</source>
        <translation>Argument cosinus hyperbolique</translation>
    </message>
    <message>
        <source>Inverse hyperbolic tangent</source>
        <translation>Argument tangente hyperbolique</translation>
    </message>
    <message>
        <source>Inverse hyperbolic cotangent</source>
        <translation>Argument cotangente hyperbolique</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Logarithme népérien</translation>
    </message>
    <message>
        <source>Common logarithm</source>
        <translation>Logarithme décimal</translation>
    </message>
    <message>
        <source>Logarithm to the base y</source>
        <translation>Logarithme de base y</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentielle</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Racine cubique</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorielle</translation>
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
        <translation>radians</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Deg</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>grades</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>tours</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Value, angles in %1</source>
        <translation>Valeur, angles en %1</translation>
    </message>
    <message>
        <source>Angles in %1, chosen</source>
        <translation>Angles en %1, choisi</translation>
    </message>
    <message>
        <source>Angles in %1</source>
        <translation>Angles en %1</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>&amp;Fonctions</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Clavier</translation>
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
        <translation>Aucune zone de notification ne fonctionne sur ce bureau</translation>
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
        <translation>Saisir un nombre</translation>
    </message>
    <message>
        <source>Submit</source>
        <comment>button</comment>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Submit</source>
        <comment>input group</comment>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Mantissa:</source>
        <translation>Mantisse :</translation>
    </message>
    <message>
        <source>Exponent:</source>
        <translation>Exposant :</translation>
    </message>
</context>
</TS>
