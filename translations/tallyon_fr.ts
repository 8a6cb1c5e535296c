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
        <translation>&amp;Quitter sans enregistrer</translation>
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
    <message>
        <source>Tallyon banner</source>
        <translation>Bannière de Tallyon</translation>
    </message>
    <message>
        <source>Tallyon picture</source>
        <translation>Image de Tallyon</translation>
    </message>
    <message>
        <source>Home page; a click opens it</source>
        <translation>Page d&apos;accueil ; un clic l&apos;ouvre</translation>
    </message>
    <message>
        <source>Support mail; a click writes to it</source>
        <translation>Adresse d&apos;assistance ; un clic lui écrit</translation>
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
        <translation>Wayland ne permet pas de rester au premier plan ; lancez Tallyon par X (QT_QPA_PLATFORM=xcb)</translation>
    </message>
    <message>
        <source>On Wayland the taskbar button stays while the window is on screen</source>
        <translation>Sous Wayland, le bouton de la barre des tâches reste tant que la fenêtre est affichée</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer tout</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Effacer l&apos;entrée</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Changer de signe</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Soustraire</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <source>Delete the last digit</source>
        <translation>Effacer le dernier chiffre</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Chiffre</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Additionner</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Rappeler la mémoire</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Soustraire de la mémoire</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Ajouter à la mémoire</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <source>No system tray is running on this desktop</source>
        <translation>Aucune zone de notification ne fonctionne sur ce bureau</translation>
    </message>
    <message>
        <source>the digits</source>
        <translation>les chiffres</translation>
    </message>
    <message>
        <source>0-9 (main row or keypad)</source>
        <translation>0-9 (rangée principale ou pavé numérique)</translation>
    </message>
    <message>
        <source>the decimal separator (the locale&apos;s is inserted)</source>
        <translation>le séparateur décimal (celui de la région)</translation>
    </message>
    <message>
        <source>the operations, main row or keypad</source>
        <translation>les opérations, rangée principale ou pavé numérique</translation>
    </message>
    <message>
        <source>%, *</source>
        <translation>%, *</translation>
    </message>
    <message>
        <source>=, CE, C (Enter is = also on a focused key)</source>
        <translation>=, CE, C (Entrée vaut = même sur une touche active)</translation>
    </message>
    <message>
        <source>BACK, +/-, 1/x, square root</source>
        <translation>BACK, +/-, 1/x, racine carrée</translation>
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
        <translation>copier la valeur</translation>
    </message>
    <message>
        <source>paste a number</source>
        <translation>coller un nombre</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>quitter</translation>
    </message>
    <message>
        <source>move between the keys; space clicks one</source>
        <translation>passer d&apos;une touche à l&apos;autre ; Espace en clique une</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab, arrows</source>
        <translation>Tab, Shift+Tab, flèches</translation>
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
        <translation>ln, lg, logarithme de base y (x G y =)</translation>
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
        <translation>degrés, radians, grades, tours</translation>
    </message>
    <message>
        <source>Not pasted: the clipboard does not answer</source>
        <translation>Non collé : le presse-papiers ne répond pas</translation>
    </message>
    <message>
        <source>Not pasted: text over 16 MiB</source>
        <translation>Non collé : texte de plus de 16 Mio</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Functions panel</source>
        <translation>Panneau des fonctions</translation>
    </message>
    <message>
        <source>Copy T&amp;ape</source>
        <translation>Copier la &amp;bande</translation>
    </message>
    <message>
        <source>C&amp;lear Tape...</source>
        <translation>&amp;Effacer la bande...</translation>
    </message>
    <message>
        <source>T&amp;ape</source>
        <translation>&amp;Bande</translation>
    </message>
    <message>
        <source>&amp;Keep the Tape Across Restarts</source>
        <translation>&amp;Garder la bande entre les sessions</translation>
    </message>
    <message>
        <source>Move Into the Tape</source>
        <translation>Aller dans la bande</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>into the tape and back; in it, Enter uses an entry&apos;s result, Ctrl+C copies, Delete removes</source>
        <translation>dans la bande et retour ; là, Entrée reprend le résultat d&apos;une entrée, Ctrl+C copie, Suppr supprime</translation>
    </message>
    <message>
        <source>Lines of the tape file &quot;%1&quot; that could not be read were skipped (%2).</source>
        <translation>Des lignes illisibles du fichier de la bande « %1 » ont été ignorées (%2).</translation>
    </message>
    <message>
        <source>Clear the tape? All its entries (%1) will be removed for good.</source>
        <translation>Effacer la bande ? Toutes ses entrées (%1) seront supprimées définitivement.</translation>
    </message>
    <message>
        <source>The tape cannot be kept in &quot;%1&quot;: %2. Its entries are kept until Tallyon closes.</source>
        <translation>La bande ne peut pas être conservée dans « %1 » : %2. Ses entrées sont gardées jusqu&apos;à la fermeture de Tallyon.</translation>
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
    <message>
        <source>Mantissa</source>
        <translation>Mantisse</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Exposant</translation>
    </message>
</context>
<context>
    <name>TMathError</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Valeur non valide</translation>
    </message>
    <message>
        <source>Negativ value</source>
        <translation>Valeur négative</translation>
    </message>
    <message>
        <source>Angle Magnitude too large</source>
        <translation>Angle trop grand</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante non valide</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Division par zéro en virgule flottante</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Dépassement de capacité en virgule flottante</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre à virgule flottante valide</translation>
    </message>
</context>
<context>
    <name>TSettingsNotice</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;enregistrer les données de « %1 »</translation>
    </message>
    <message>
        <source>The settings file was damaged and could not be read. It has been kept as &quot;%1&quot;, and the settings start from their defaults.</source>
        <translation>Le fichier des réglages était endommagé et n&apos;a pas pu être lu. Il a été conservé sous « %1 », et les réglages reprennent leurs valeurs par défaut.</translation>
    </message>
    <message>
        <source>The settings file cannot be read or written: &quot;%1&quot;. The settings start from their defaults.</source>
        <translation>Le fichier des réglages ne peut être ni lu ni écrit : « %1 ». Les réglages reprennent leurs valeurs par défaut.</translation>
    </message>
    <message>
        <source>The settings file cannot be read or written: &quot;%1&quot;: %2. The settings start from their defaults.</source>
        <translation>Le fichier des réglages ne peut être ni lu ni écrit : « %1 » : %2. Les réglages reprennent leurs valeurs par défaut.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: changes to the settings will not be kept.</source>
        <translation>Le fichier des réglages « %1 » ne peut pas être écrit : les modifications des réglages ne seront pas conservées.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written (%2): changes to the settings will not be kept.</source>
        <translation>Le fichier des réglages « %1 » ne peut pas être écrit (%2) : les modifications des réglages ne seront pas conservées.</translation>
    </message>
    <message>
        <source>Some stored settings in &quot;%1&quot; cannot be used: %2. They start from their defaults.</source>
        <translation>Des réglages enregistrés dans « %1 » ne sont pas utilisables : %2. Ils reprennent leurs valeurs par défaut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is of the wrong type</source>
        <translation>« %1 » est d&apos;un type incorrect</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not UTF-8 text</source>
        <translation>« %1 » n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>« %1 » ne peut pas être lu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is out of its range, %2 to %3</source>
        <translation>« %1 » est hors de sa plage, %2 à %3</translation>
    </message>
</context>
</TS>
