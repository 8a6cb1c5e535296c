<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
