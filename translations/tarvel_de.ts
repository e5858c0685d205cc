<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Captions</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Print(&amp;P)...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Setting(&amp;S)</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Port(&amp;C)...</source>
        <translation>&amp;Anschluss...</translation>
    </message>
    <message>
        <source>Range(&amp;G)...</source>
        <translation>&amp;Bereich...</translation>
    </message>
    <message>
        <source>Appearance(&amp;S)...</source>
        <translation>&amp;Erscheinungsbild...</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents(&amp;C)...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>Topics(&amp;S)...</source>
        <translation>&amp;Themen...</translation>
    </message>
    <message>
        <source>Orvik Weight Web(&amp;G)</source>
        <translation>Orvik-&amp;Weight-Website</translation>
    </message>
    <message>
        <source>Orvik Web(&amp;H)</source>
        <translation>&amp;Orvik-Website</translation>
    </message>
    <message>
        <source>About(&amp;A)...</source>
        <translation>Ü&amp;ber Tarvel...</translation>
    </message>
    <message>
        <source>System info.(&amp;S)...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Go to date(&amp;D)...</source>
        <translation>&amp;Gehe zu Datum...</translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Units(&amp;U)</source>
        <translation>Ei&amp;nheiten</translation>
    </message>
    <message>
        <source>Kilograms (kg)(&amp;K)</source>
        <translation>&amp;Kilogramm (kg)</translation>
    </message>
    <message>
        <source>Pounds (lb)(&amp;P)</source>
        <translation>&amp;Pfund (lb)</translation>
    </message>
    <message>
        <source>Stones and pounds (st lb)(&amp;T)</source>
        <translation>S&amp;tone und Pfund (st lb)</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Tarvel</source>
        <translation>Tarvel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Orvik Weight Web</source>
        <translation>Orvik-Weight-Website</translation>
    </message>
    <message>
        <source>Orvik Web</source>
        <translation>Orvik-Website</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tarvel</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Tarvel Data</source>
        <translation>Tarvel-Daten</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>8000</source>
        <translation>8000</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Weight trend</source>
        <translation>Gewichtsverlauf</translation>
    </message>
    <message>
        <source>BMI trend</source>
        <translation>BMI-Verlauf</translation>
    </message>
    <message>
        <source>&apos;s Tarvel</source>
        <translation>– Tarvel</translation>
    </message>
    <message>
        <source> &apos;s data list</source>
        <translation>: Datenliste</translation>
    </message>
    <message>
        <source> &apos;s weight trend</source>
        <translation>: Gewichtsverlauf</translation>
    </message>
    <message>
        <source> &apos;s BMI trend</source>
        <translation>: BMI-Verlauf</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>BMI</source>
        <translation>BMI</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Previous data</source>
        <translation>Voriger Eintrag</translation>
    </message>
    <message>
        <source>Next data</source>
        <translation>Nächster Eintrag</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Eintrag speichern</translation>
    </message>
    <message>
        <source>New data</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Delete this data</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>(1) Morning</source>
        <translation>(1) Morgens</translation>
    </message>
    <message>
        <source>(2) Night</source>
        <translation>(2) Abends</translation>
    </message>
    <message>
        <source>Port setting</source>
        <translation>Anschlusseinstellungen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Data bit</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Range setting</source>
        <translation>Bereichseinstellungen</translation>
    </message>
    <message>
        <source>Range for BMI trend</source>
        <translation>Bereich des BMI-Verlaufs</translation>
    </message>
    <message>
        <source> - </source>
        <translation> - </translation>
    </message>
    <message>
        <source>Time span for trend [month]</source>
        <translation>Zeitraum des Verlaufs [Monate]</translation>
    </message>
    <message>
        <source>Appearance setting</source>
        <translation>Erscheinungsbild einstellen</translation>
    </message>
    <message>
        <source>Select screen color.</source>
        <translation>Wählen Sie die Farben des Fensters.</translation>
    </message>
    <message>
        <source>4-color</source>
        <translation>Vierfarbig</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>Version info.</source>
        <translation>Versionsinformationen</translation>
    </message>
    <message>
        <source>System info.</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>The Tarvel developers</source>
        <translation>Die Tarvel-Entwickler</translation>
    </message>
    <message>
        <source>Tarvel is free software under the MIT License, provided as is, without any warranty. It keeps a personal diary of body weight and is no medical device: ask a doctor about your health.</source>
        <translation>Tarvel ist freie Software unter der MIT-Lizenz und wird ohne jede Gewährleistung so bereitgestellt, wie es ist. Es führt ein persönliches Tagebuch des Körpergewichts und ist kein Medizinprodukt: Fragen Sie zu Ihrer Gesundheit einen Arzt.</translation>
    </message>
    <message>
        <source>Data file cannot be opened.</source>
        <translation>Die Datendatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Input your height. (cm)</source>
        <translation>Geben Sie Ihre Körpergröße ein. (cm)</translation>
    </message>
    <message>
        <source>Input your weight. (kg)</source>
        <translation>Geben Sie Ihr Gewicht ein. (kg)</translation>
    </message>
    <message>
        <source>Input your height and weight.</source>
        <translation>Geben Sie Ihre Körpergröße und Ihr Gewicht ein.</translation>
    </message>
    <message>
        <source>Input your name.</source>
        <translation>Geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Input date. (yyyy/mm/dd)</source>
        <translation>Geben Sie das Datum ein. (JJJJ/MM/TT)</translation>
    </message>
    <message>
        <source>Input time. (hh:mm)</source>
        <translation>Geben Sie die Uhrzeit ein. (hh:mm)</translation>
    </message>
    <message>
        <source>Invalid input at weight or BMI.</source>
        <translation>Ungültige Eingabe bei Gewicht oder BMI.</translation>
    </message>
    <message>
        <source>Invalid date.</source>
        <translation>Ungültiges Datum.</translation>
    </message>
    <message>
        <source>Date format should be </source>
        <translation>Das Datum ist im Format </translation>
    </message>
    <message>
        <source>Invalid time.</source>
        <translation>Ungültige Uhrzeit.</translation>
    </message>
    <message>
        <source>Time format should be hh:mm.</source>
        <translation>Die Uhrzeit ist im Format hh:mm einzugeben.</translation>
    </message>
    <message>
        <source>Following data will be deleted.</source>
        <translation>Die folgenden Daten werden gelöscht.</translation>
    </message>
    <message>
        <source> Date: </source>
        <translation> Datum: </translation>
    </message>
    <message>
        <source> Time: </source>
        <translation> Uhrzeit: </translation>
    </message>
    <message>
        <source> Weight: </source>
        <translation> Gewicht: </translation>
    </message>
    <message>
        <source> BMI: </source>
        <translation> BMI: </translation>
    </message>
    <message>
        <source>Continue process?</source>
        <translation>Fortfahren?</translation>
    </message>
    <message>
        <source>Data is changed.</source>
        <translation>Die Daten wurden geändert.</translation>
    </message>
    <message>
        <source>Save data and continue process?</source>
        <translation>Daten speichern und fortfahren?</translation>
    </message>
    <message>
        <source>File is not saved.</source>
        <translation>Die Datei ist nicht gespeichert.</translation>
    </message>
    <message>
        <source>Would you like to save the file?</source>
        <translation>Möchten Sie die Datei speichern?</translation>
    </message>
    <message>
        <source>All the data will be lost if file is not saved.</source>
        <translation>Alle Daten gehen verloren, wenn die Datei nicht gespeichert wird.</translation>
    </message>
    <message>
        <source>Would you like to overwrite the file?</source>
        <translation>Möchten Sie die Datei überschreiben?</translation>
    </message>
    <message>
        <source>New entries will be lost if the file is not saved.</source>
        <translation>Neue Einträge gehen verloren, wenn die Datei nicht gespeichert wird.</translation>
    </message>
    <message>
        <source>Cannot open communication port.</source>
        <translation>Der Kommunikationsanschluss kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Backup data was kept from the last time.</source>
        <translation>Vom letzten Mal ist eine Sicherung der Daten vorhanden.</translation>
    </message>
    <message>
        <source>Would you like to recall data from the backup?</source>
        <translation>Möchten Sie die Daten aus der Sicherung wiederherstellen?</translation>
    </message>
    <message>
        <source>Do not use &quot;,&quot; for file name.</source>
        <translation>Der Name darf kein „,“ enthalten.</translation>
    </message>
    <message>
        <source>Maximum height is 300cm.</source>
        <translation>Die Körpergröße beträgt höchstens 300 cm.</translation>
    </message>
    <message>
        <source>Maximum weight is 150kg.</source>
        <translation>Das Gewicht beträgt höchstens 150 kg.</translation>
    </message>
    <message>
        <source>Cannot printout over 10 lines of text.</source>
        <translation>Mehr als 10 Textzeilen können nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>.</source>
        <translation> einzugeben.</translation>
    </message>
    <message>
        <source>OV1 Files</source>
        <translation>OV1-Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Data file cannot be saved.</source>
        <translation>Die Datendatei kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>This file is not a Tarvel diary.</source>
        <translation>Diese Datei ist kein Tarvel-Tagebuch.</translation>
    </message>
    <message>
        <source>Lines that cannot be read: %1</source>
        <translation>Zeilen, die nicht gelesen werden können: %1</translation>
    </message>
    <message>
        <source>They will be left out when the file is saved.</source>
        <translation>Sie werden beim Speichern der Datei weggelassen.</translation>
    </message>
    <message>
        <source>The diary already holds this date.</source>
        <translation>Das Tagebuch enthält dieses Datum bereits.</translation>
    </message>
    <message>
        <source>Add the weighings of this page to it?</source>
        <translation>Die Messungen dieser Seite dort hinzufügen?</translation>
    </message>
    <message>
        <source>The day already holds a weighing in the same slot. Nothing was saved.</source>
        <translation>Der Tag enthält bereits eine Messung zur selben Tageszeit. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Cannot find open port.</source>
        <translation>Es wurde kein freier Anschluss gefunden.</translation>
    </message>
    <message>
        <source>Designated port cannot be used.</source>
        <translation>Der gewählte Anschluss kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Cannot show system info.</source>
        <translation>Die Systeminformationen können nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Input your name</source>
        <translation>Ihren Namen eingeben</translation>
    </message>
    <message>
        <source>Showing data location</source>
        <translation>Nummer des angezeigten Eintrags</translation>
    </message>
    <message>
        <source>Total number of data</source>
        <translation>Anzahl der Einträge</translation>
    </message>
    <message>
        <source>Input date or click right button</source>
        <translation>Eingeben oder die Schaltfläche rechts anklicken</translation>
    </message>
    <message>
        <source>Input height</source>
        <translation>Körpergröße eingeben</translation>
    </message>
    <message>
        <source>Input weight</source>
        <translation>Gewicht eingeben</translation>
    </message>
    <message>
        <source>BMI is calculated from height and weight</source>
        <translation>Der BMI wird aus Größe und Gewicht berechnet</translation>
    </message>
    <message>
        <source>Input date</source>
        <translation>Datum im Kalender wählen</translation>
    </message>
    <message>
        <source>Input current time</source>
        <translation>Aktuelle Uhrzeit eintragen</translation>
    </message>
    <message>
        <source>Select sex</source>
        <translation>Geschlecht auswählen</translation>
    </message>
    <message>
        <source>Input memo or diary</source>
        <translation>Notiz oder Tagebuchtext eingeben</translation>
    </message>
    <message>
        <source>See previous data</source>
        <translation>Vorigen Eintrag anzeigen</translation>
    </message>
    <message>
        <source>See next data</source>
        <translation>Nächsten Eintrag anzeigen</translation>
    </message>
    <message>
        <source>Current data is stored</source>
        <translation>Den Eintrag speichern</translation>
    </message>
    <message>
        <source>Data correction is stored</source>
        <translation>Die Korrektur speichern</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Click the input date.</source>
        <translation>Klicken Sie auf das gewünschte Datum.</translation>
    </message>
    <message>
        <source>Select communication port</source>
        <translation>Kommunikationsanschluss auswählen</translation>
    </message>
    <message>
        <source>Showing preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Select the range of BMI graph</source>
        <translation>Bereich der BMI-Grafik auswählen</translation>
    </message>
    <message>
        <source>Select the time span of graph</source>
        <translation>Zeitraum der Grafik auswählen</translation>
    </message>
    <message>
        <source>en</source>
        <translation>de</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Morning time</source>
        <translation>Uhrzeit morgens</translation>
    </message>
    <message>
        <source>Night time</source>
        <translation>Uhrzeit abends</translation>
    </message>
    <message>
        <source>Morning weight</source>
        <translation>Gewicht morgens</translation>
    </message>
    <message>
        <source>Night weight</source>
        <translation>Gewicht abends</translation>
    </message>
    <message>
        <source>Morning BMI</source>
        <translation>BMI morgens</translation>
    </message>
    <message>
        <source>Night BMI</source>
        <translation>BMI abends</translation>
    </message>
    <message>
        <source>Morning memo</source>
        <translation>Notiz morgens</translation>
    </message>
    <message>
        <source>Night memo</source>
        <translation>Notiz abends</translation>
    </message>
    <message>
        <source>Choose the date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Enter the morning time</source>
        <translation>Uhrzeit morgens eintragen</translation>
    </message>
    <message>
        <source>Enter the night time</source>
        <translation>Uhrzeit abends eintragen</translation>
    </message>
    <message>
        <source>Compute the morning BMI</source>
        <translation>BMI morgens berechnen</translation>
    </message>
    <message>
        <source>Compute the night BMI</source>
        <translation>BMI abends berechnen</translation>
    </message>
    <message>
        <source>Data list</source>
        <translation>Datenliste</translation>
    </message>
    <message>
        <source>Records %1 to %2 of %3</source>
        <translation>Einträge %1 bis %2 von %3</translation>
    </message>
    <message>
        <source>Weight trend graph</source>
        <translation>Diagramm des Gewichtsverlaufs</translation>
    </message>
    <message>
        <source>BMI trend graph</source>
        <translation>Diagramm des BMI-Verlaufs</translation>
    </message>
    <message>
        <source>%1 to %2: first weight %3, last weight %4</source>
        <translation>%1 bis %2: erstes Gewicht %3, letztes Gewicht %4</translation>
    </message>
    <message>
        <source>%1 to %2: first BMI %3, last BMI %4</source>
        <translation>%1 bis %2: erster BMI %3, letzter BMI %4</translation>
    </message>
    <message>
        <source>%1 to %2: no weighing in this period</source>
        <translation>%1 bis %2: keine Messung in diesem Zeitraum</translation>
    </message>
    <message>
        <source>Previous records</source>
        <translation>Vorige Einträge</translation>
    </message>
    <message>
        <source>Next records</source>
        <translation>Nächste Einträge</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>Voriger Zeitraum</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>Nächster Zeitraum</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>No records yet</source>
        <translation>Noch keine Einträge</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Diary tabs</source>
        <translation>Register des Tagebuchs</translation>
    </message>
    <message>
        <source>Record number</source>
        <translation>Nummer des Eintrags</translation>
    </message>
    <message>
        <source>Weighing</source>
        <translation>Wägung</translation>
    </message>
    <message>
        <source>%1, morning</source>
        <translation>%1, morgens</translation>
    </message>
    <message>
        <source>%1, night</source>
        <translation>%1, abends</translation>
    </message>
    <message>
        <source>Input time or click right button</source>
        <translation>Uhrzeit eingeben oder die Schaltfläche rechts anklicken</translation>
    </message>
    <message>
        <source>Open a calendar to choose the day</source>
        <translation>Einen Kalender öffnen, um den Tag zu wählen</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
    <message>
        <source>Trend %1, %2/week</source>
        <translation>Trend %1, %2/Woche</translation>
    </message>
    <message>
        <source>Trend %1</source>
        <translation>Trend %1</translation>
    </message>
    <message>
        <source>Goal %1: about %2</source>
        <translation>Ziel %1: etwa am %2</translation>
    </message>
    <message>
        <source>Goal %1: reached</source>
        <translation>Ziel %1: erreicht</translation>
    </message>
    <message>
        <source>Goal %1: %2 to go</source>
        <translation>Ziel %1: noch %2</translation>
    </message>
    <message>
        <source>Goal weight [%1]</source>
        <translation>Zielgewicht [%1]</translation>
    </message>
    <message>
        <source>Scale: %1 asleep, waiting</source>
        <translation>Waage: %1 schläft, warte</translation>
    </message>
    <message>
        <source>Bluetooth is off</source>
        <translation>Bluetooth ist aus</translation>
    </message>
    <message>
        <source>Scale: %1 on %2 at %3, not stored: that day&apos;s %4 weight is already stored</source>
        <translation>Waage: %1 am %2 um %3, nicht gespeichert: das Gewicht %4 dieses Tages ist schon gespeichert</translation>
    </message>
    <message>
        <source>Bluetooth scale</source>
        <translation>Bluetooth-Waage</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>No scale found</source>
        <translation>Keine Waage gefunden</translation>
    </message>
    <message>
        <source>Scale user</source>
        <translation>Benutzer der Waage</translation>
    </message>
    <message>
        <source>Every user</source>
        <translation>Alle Benutzer</translation>
    </message>
    <message>
        <source>User %1</source>
        <translation>Benutzer %1</translation>
    </message>
    <message>
        <source>The weight the trend is to reach; leave empty for no goal</source>
        <translation>Das Gewicht, das der Trend erreichen soll; leer lassen für kein Ziel</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Go to date</source>
        <translation>Gehe zu Datum</translation>
    </message>
    <message>
        <source>whole diary</source>
        <translation>ganzes Tagebuch</translation>
    </message>
    <message>
        <source>BMI %1</source>
        <translation>BMI %1</translation>
    </message>
    <message>
        <source>Select the day to show</source>
        <translation>Den anzuzeigenden Tag wählen</translation>
    </message>
    <message>
        <source>No scale</source>
        <translation>Keine Waage</translation>
    </message>
    <message>
        <source>Scale: %1 connected</source>
        <translation>Waage: %1 verbunden</translation>
    </message>
    <message>
        <source>Scale: %1 connected, last reading %2 at %3</source>
        <translation>Waage: %1 verbunden, letzte Messung %2 um %3</translation>
    </message>
    <message>
        <source>Scale: %1 not connected</source>
        <translation>Waage: %1 nicht verbunden</translation>
    </message>
    <message>
        <source>Scale: %1 connected again</source>
        <translation>Waage: %1 wieder verbunden</translation>
    </message>
    <message>
        <source>No scale: %1 could not be opened (Setting &gt; Port chooses the scale)</source>
        <translation>Keine Waage: %1 ließ sich nicht öffnen (Einstellungen &gt; Anschluss wählt die Waage)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>Rows imported: %1</source>
        <translation>Importierte Zeilen: %1</translation>
    </message>
    <message>
        <source>Rows of days already in the diary: %1</source>
        <translation>Zeilen von Tagen, die schon im Tagebuch stehen: %1</translation>
    </message>
    <message>
        <source>Extra weighings of a half-day (its first is kept): %1</source>
        <translation>Weitere Wägungen eines Halbtags (die erste bleibt): %1</translation>
    </message>
    <message>
        <source>Rows without a weight: %1</source>
        <translation>Zeilen ohne Gewicht: %1</translation>
    </message>
    <message>
        <source>Rows skipped as computed (interpolated or trend): %1</source>
        <translation>Als berechnet übergangene Zeilen (interpoliert oder Trend): %1</translation>
    </message>
    <message>
        <source>(line %1)</source>
        <translation>(Zeile %1)</translation>
    </message>
    <message>
        <source>(lines %1)</source>
        <translation>(Zeilen %1)</translation>
    </message>
    <message>
        <source>Nothing is stored until you choose Import. The first rows as they will be stored:</source>
        <translation>Nichts wird gespeichert, bevor Sie Importieren wählen. Die ersten Zeilen, wie sie gespeichert werden:</translation>
    </message>
    <message>
        <source>The file does not name the unit of its weights. Are they kilograms or pounds?</source>
        <translation>Die Datei nennt die Einheit ihrer Gewichte nicht. Sind es Kilogramm oder Pfund?</translation>
    </message>
    <message>
        <source>Kilograms (kg)</source>
        <translation>Kilogramm (kg)</translation>
    </message>
    <message>
        <source>Pounds (lb)</source>
        <translation>Pfund (lb)</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>In der Datei</translation>
    </message>
    <message>
        <source>As kg</source>
        <translation>Als kg</translation>
    </message>
    <message>
        <source>As lb</source>
        <translation>Als lb</translation>
    </message>
    <message>
        <source>The file names no weight unit: its weights were read as %1 (--unit kg|lb chooses).</source>
        <translation>Die Datei nennt keine Gewichtseinheit: ihre Gewichte wurden als %1 gelesen (--unit kg|lb wählt).</translation>
    </message>
    <message>
        <source>Rows that could not be read: %1</source>
        <translation>Nicht lesbare Zeilen: %1</translation>
    </message>
    <message>
        <source>The file holds no date and weight columns.</source>
        <translation>Die Datei enthält keine Spalten für Datum und Gewicht.</translation>
    </message>
    <message>
        <source>The CSV file cannot be written.</source>
        <translation>Die CSV-Datei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Weights in &quot;%1&quot; cannot be imported: the weight column must be in kg, lb or st.</source>
        <translation>Gewichte in „%1“ können nicht importiert werden: die Gewichtsspalte muss in kg, lb oder st sein.</translation>
    </message>
    <message>
        <source>Scale: %1 at %2, not stored: the page shows %3</source>
        <translation>Waage: %1 um %2, nicht übernommen: die Seite zeigt %3</translation>
    </message>
    <message>
        <source>Scale: %1 at %2, not stored: the page&apos;s %3 weight is already stored</source>
        <translation>Waage: %1 um %2, nicht übernommen: das Gewicht %3 dieser Seite ist schon gespeichert</translation>
    </message>
    <message>
        <source>%1 was changed by another program after Tarvel read or saved it.</source>
        <translation>%1 wurde von einem anderen Programm geändert, nachdem Tarvel die Datei gelesen oder gespeichert hat.</translation>
    </message>
    <message>
        <source>Yes reads it again, keeping this diary in a copy first.</source>
        <translation>Ja liest sie neu ein und bewahrt dieses Tagebuch vorher in einer Kopie auf.</translation>
    </message>
    <message>
        <source>No overwrites the file with this diary.</source>
        <translation>Nein überschreibt die Datei mit diesem Tagebuch.</translation>
    </message>
    <message>
        <source>Cancel writes nothing.</source>
        <translation>Abbrechen schreibt nichts.</translation>
    </message>
    <message>
        <source>This diary was kept as %1.</source>
        <translation>Dieses Tagebuch wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 was changed by another program; saving asks first.</source>
        <translation>%1 wurde von einem anderen Programm geändert; Speichern fragt vorher nach.</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Stones and pounds (st lb)</source>
        <translation>Stone und Pfund (st lb)</translation>
    </message>
    <message>
        <source>Maximum weight is %1.</source>
        <translation>Das Gewicht beträgt höchstens %1.</translation>
    </message>
    <message>
        <source>Input your weight. (%1)</source>
        <translation>Geben Sie Ihr Gewicht ein. (%1)</translation>
    </message>
</context>
<context>
    <name>tarvel::AboutDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvel::ColorDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvel::CommDlg</name>
    <message>
        <source>EVEN</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvel::GraphSetDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvel::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Suchbegriff eingeben</translation>
    </message>
</context>
<context>
    <name>tarvel::MainMenus</name>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
</TS>
