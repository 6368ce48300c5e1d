<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FolionixConst</name>
    <message>
        <source>No manuscript names have been assigned.</source>
        <translation>Es wurden keine Manuskriptnamen vergeben.</translation>
    </message>
    <message>
        <source>Number of buttons in SetButtons() case statement (%1) out of range.</source>
        <translation>Anzahl der Schaltflächen in der case-Anweisung von SetButtons() (%1) liegt außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>Bogus selector in GetManuscriptCaption() case statement</source>
        <translation>Ungültiger Selektor in der case-Anweisung von GetManuscriptCaption()</translation>
    </message>
</context>
<context>
    <name>TfCustomSettings</name>
    <message>
        <source>Custom Settings</source>
        <translation>Eigene Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Assign Settings and Close</source>
        <translation>&amp;Übernehmen und schließen</translation>
    </message>
    <message>
        <source>What would you like the program&apos;s caption to say? (this form&apos;s caption is &quot;Custom Settings&quot;)</source>
        <translation>Titel des Programmfensters (dieses Fenster heißt „Eigene Einstellungen“)</translation>
    </message>
    <message>
        <source>What would you like the label at the bottom of the program to say (this is a link to an email address or a web site)</source>
        <translation>Text der Zeile unten im Programm (ein Verweis auf eine E-Mail-Adresse oder Website)</translation>
    </message>
    <message>
        <source>Manuscript 1&apos;s button caption</source>
        <translation>Beschriftung Schaltfläche 1</translation>
    </message>
    <message>
        <source>Manuscript 1&apos;s file name</source>
        <translation>Dateiname Manuskript 1</translation>
    </message>
    <message>
        <source>Text to display when user selects the &quot;Info&quot; button</source>
        <translation>Text, den die Schaltfläche „Info“ anzeigt</translation>
    </message>
    <message>
        <source>Manuscript 2&apos;s button caption</source>
        <translation>Beschriftung Schaltfläche 2</translation>
    </message>
    <message>
        <source>Manuscript 3&apos;s button caption</source>
        <translation>Beschriftung Schaltfläche 3</translation>
    </message>
    <message>
        <source>Manuscript 4&apos;s button caption</source>
        <translation>Beschriftung Schaltfläche 4</translation>
    </message>
    <message>
        <source>Manuscript 5&apos;s button caption</source>
        <translation>Beschriftung Schaltfläche 5</translation>
    </message>
    <message>
        <source>Manuscript 6&apos;s button caption</source>
        <translation>Beschriftung Schaltfläche 6</translation>
    </message>
    <message>
        <source>Manuscript 2&apos;s file name</source>
        <translation>Dateiname Manuskript 2</translation>
    </message>
    <message>
        <source>Manuscript 3&apos;s file name</source>
        <translation>Dateiname Manuskript 3</translation>
    </message>
    <message>
        <source>Manuscript 4&apos;s file name</source>
        <translation>Dateiname Manuskript 4</translation>
    </message>
    <message>
        <source>Manuscript 5&apos;s file name</source>
        <translation>Dateiname Manuskript 5</translation>
    </message>
    <message>
        <source>Manuscript 6&apos;s file name</source>
        <translation>Dateiname Manuskript 6</translation>
    </message>
    <message>
        <source>Email address or web site address behind label</source>
        <translation>E-Mail- oder Webadresse hinter der Zeile</translation>
    </message>
    <message>
        <source>Form &amp;Color</source>
        <translation>&amp;Fensterfarbe</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
</context>
<context>
    <name>TfFolionixMain</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>folionix</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Text &amp;colour...</source>
        <translation>Text&amp;farbe …</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist kein gültiger Ganzzahlwert</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>folionix::TfFolionixMain</name>
    <message>
        <source>Opens manuscript %1 in the program your computer uses for its type of file.</source>
        <translation>Öffnet Manuskript %1 mit dem Programm, das Ihr Computer für diesen Dateityp verwendet.</translation>
    </message>
    <message>
        <source>Shows a note from the author.</source>
        <translation>Zeigt eine Notiz des Autors.</translation>
    </message>
    <message>
        <source>Link: writes a new e-mail to the author, or opens the author&apos;s web page.</source>
        <translation>Verweis: schreibt eine neue E-Mail an den Autor oder öffnet seine Webseite.</translation>
    </message>
</context>
</TS>
