"""The help topics of every language."""

STYLE = ('body{font-family:Tahoma,sans-serif;font-size:10pt;color:#1d3355;background:#f0fbff;margin:18px}'
         'h1{font-size:15pt;color:#174e9c;border-bottom:2px solid #7fb9ee;padding-bottom:4px}')

LANGUAGES = {
    'en': {'title': 'QUON Variruvu Help', 'topics': {
        'cv-start.html': ('QUON Variruvu', [
            'QUON Variruvu wipes out files and folders so that they cannot be recovered.',
            'Choose a page in the menu on the left: Files/Folders to build the list, Settings for the '
            'language and the wiping method, Help and About for information.']),
        'cv-add-ff.html': ('Adding files and folders', [
            'Open the Files/Folders page. "Files" adds one or more files, "Folders" adds a whole folder '
            'with everything inside it.',
            'Every checked row of the list is wiped out when you press "Wipe out" and confirm. '
            'Uncheck a row to keep it; "Clear list" empties the list.']),
        'cv-agreement.html': ('License Agreement', [
            'QUON Variruvu is provided free of charge, as it is, without any warranty.',
            'Files that have been wiped out cannot be restored by any means. You use the program at '
            'your own risk and are responsible for choosing what it erases.']),
    }},
    'de': {'title': 'QUON Variruvu Hilfe', 'topics': {
        'cv-start.html': ('QUON Variruvu', [
            'QUON Variruvu löscht Dateien und Ordner so, dass sie nicht wiederhergestellt werden können.',
            'Wählen Sie links eine Seite: Dateien/Ordner für die Liste, Einstellungen für Sprache und '
            'Löschverfahren, Hilfe und Über für Informationen.']),
        'cv-add-ff.html': ('Dateien und Ordner hinzufügen', [
            'Öffnen Sie die Seite Dateien/Ordner. "Dateien" fügt eine oder mehrere Dateien hinzu, '
            '"Ordner" einen ganzen Ordner mit seinem Inhalt.',
            'Jede markierte Zeile wird gelöscht, wenn Sie "Löschen" drücken und bestätigen.']),
        'cv-agreement.html': ('Lizenzvereinbarung', [
            'QUON Variruvu wird kostenlos und ohne jede Gewährleistung bereitgestellt.',
            'Gelöschte Dateien lassen sich auf keine Weise wiederherstellen. Die Benutzung erfolgt auf '
            'eigene Gefahr.']),
    }},
    'hu': {'title': 'QUON Variruvu súgó', 'topics': {
        'cv-start.html': ('QUON Variruvu', [
            'A QUON Variruvu úgy törli a fájlokat és mappákat, hogy azok nem állíthatók helyre.',
            'Válasszon oldalt a bal oldali menüben: Fájlok/Mappák, Beállítások, Súgó, Névjegy.']),
        'cv-add-ff.html': ('Fájlok és mappák hozzáadása', [
            'Nyissa meg a Fájlok/Mappák oldalt. A "Fájlok" gomb fájlokat, a "Mappák" gomb egy teljes '
            'mappát ad a listához.',
            'A lista minden bejelölt sora törlődik, ha megnyomja a "Törlés" gombot és megerősíti.']),
        'cv-agreement.html': ('Licencszerződés', [
            'A QUON Variruvu ingyenes, és minden garancia nélkül érhető el.',
            'A törölt fájlok semmilyen módon nem állíthatók helyre. A programot saját felelősségére '
            'használja.']),
    }},
    'uk': {'title': 'Довідка QUON Variruvu', 'topics': {
        'cv-start.html': ('QUON Variruvu', [
            'QUON Variruvu знищує файли й теки так, що їх неможливо відновити.',
            'Оберіть сторінку в меню ліворуч: Файли/Теки, Налаштування, Довідка, Про програму.']),
        'cv-add-ff.html': ('Додавання файлів і тек', [
            'Відкрийте сторінку Файли/Теки. Кнопка "Файли" додає один або кілька файлів, кнопка "Теки" '
            'додає цілу теку з усім її вмістом.',
            'Кожен позначений рядок списку знищується, коли ви натискаєте "Знищити" й підтверджуєте.']),
        'cv-agreement.html': ('Ліцензійна угода', [
            'QUON Variruvu надається безкоштовно, як є, без жодних гарантій.',
            'Знищені файли неможливо відновити жодним способом. Ви користуєтеся програмою на власний '
            'ризик.']),
    }},
}
