<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>Tessaly</name>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкий</translation>
    </message>
    <message>
        <source> Design </source>
        <translation> Дизайн </translation>
    </message>
    <message>
        <source>  Data  </source>
        <translation>  Данные  </translation>
    </message>
    <message>
        <source> Report </source>
        <translation> Отчет </translation>
    </message>
    <message>
        <source> - edit</source>
        <translation> - редактирование</translation>
    </message>
    <message>
        <source> - preview</source>
        <translation> - предпросмотр</translation>
    </message>
    <message>
        <source>Open *.edt/*.ebt file</source>
        <translation>Открыть файл *.edt/*.ebt</translation>
    </message>
    <message>
        <source>Normal Design (*.edt)|*.edt|Barcode Design (*.ebt)|*.ebt|*.*|*.*</source>
        <translation>Обычный макет (*.edt)|*.edt|Макет со штрихкодами (*.ebt)|*.ebt|*.*|*.*</translation>
    </message>
    <message>
        <source>Save *.edt As...   [normal design]</source>
        <translation>Сохранить как *.edt...   [обычный макет]</translation>
    </message>
    <message>
        <source>Save *.ebt As...   [barcode gesign]</source>
        <translation>Сохранить как *.ebt...   [макет со штрихкодами]</translation>
    </message>
    <message>
        <source>Open *.edd/*.ebd file</source>
        <translation>Открыть файл *.edd/*.ebd</translation>
    </message>
    <message>
        <source>Normal data (*.edd)|*.edd|Barcode data (*.ebd)|*.ebd|*.*|*.*</source>
        <translation>Обычные данные (*.edd)|*.edd|Данные штрихкодов (*.ebd)|*.ebd|*.*|*.*</translation>
    </message>
    <message>
        <source>Save *.edd As...   [normal data template]</source>
        <translation>Сохранить как *.edd...   [шаблон обычных данных]</translation>
    </message>
    <message>
        <source>Save *.ebd As...   [barcode data template]</source>
        <translation>Сохранить как *.ebd...   [шаблон данных штрихкодов]</translation>
    </message>
    <message>
        <source>Open *.edr/*.ebr file</source>
        <translation>Открыть файл *.edr/*.ebr</translation>
    </message>
    <message>
        <source>Normal report (*.edr)|*.edr|Barcode report (*.ebr)|*.ebr|*.*|*.*</source>
        <translation>Обычный отчет (*.edr)|*.edr|Отчет со штрихкодами (*.ebr)|*.ebr|*.*|*.*</translation>
    </message>
    <message>
        <source>Save *.edr As...   [normal report]</source>
        <translation>Сохранить как *.edr...   [обычный отчет]</translation>
    </message>
    <message>
        <source>Save *.ebr As...   [barcode report]</source>
        <translation>Сохранить как *.ebr...   [отчет со штрихкодами]</translation>
    </message>
    <message>
        <source>Design Editor</source>
        <translation>Редактор макета</translation>
    </message>
    <message>
        <source>Data Editor</source>
        <translation>Редактор данных</translation>
    </message>
    <message>
        <source>Report Viewer</source>
        <translation>Просмотр отчета</translation>
    </message>
    <message>
        <source>Save changes in design document?</source>
        <translation>Сохранить изменения в макете?</translation>
    </message>
    <message>
        <source>Save changes in data document?</source>
        <translation>Сохранить изменения в документе данных?</translation>
    </message>
    <message>
        <source>Save changes in report document?</source>
        <translation>Сохранить изменения в отчете?</translation>
    </message>
    <message>
        <source>- file not exists.</source>
        <translation>- файл не найден.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Design document not exists.</source>
        <translation>Макет отсутствует.</translation>
    </message>
    <message>
        <source>Data document not exists.</source>
        <translation>Документ данных отсутствует.</translation>
    </message>
    <message>
        <source>Report can&apos;t be generated.</source>
        <translation>Не удается сформировать отчет.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Удалить таблицу</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Удалить строку</translation>
    </message>
    <message>
        <source>Delete Column</source>
        <translation>Удалить столбец</translation>
    </message>
    <message>
        <source>to Front</source>
        <translation>На передний план</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Добавить группу</translation>
    </message>
    <message>
        <source>Add Table</source>
        <translation>Добавить таблицу</translation>
    </message>
    <message>
        <source>Add Label</source>
        <translation>Добавить надпись</translation>
    </message>
    <message>
        <source>Add BarCode</source>
        <translation>Добавить штрихкод</translation>
    </message>
    <message>
        <source>Add Row Up</source>
        <translation>Добавить строку выше</translation>
    </message>
    <message>
        <source>Add Row Down</source>
        <translation>Добавить строку ниже</translation>
    </message>
    <message>
        <source>Add Column Left</source>
        <translation>Добавить столбец слева</translation>
    </message>
    <message>
        <source>Add Column Right</source>
        <translation>Добавить столбец справа</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Перезагрузить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Print Properties</source>
        <translation>Параметры печати</translation>
    </message>
    <message>
        <source>Default Printer</source>
        <translation>Принтер по умолчанию</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Check Printable</source>
        <translation>Проверка печатаемости</translation>
    </message>
    <message>
        <source>Black/White mode</source>
        <translation>Черно-белый режим</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>By Screen width</source>
        <translation>По ширине экрана</translation>
    </message>
    <message>
        <source>Zoom for all</source>
        <translation>Масштаб для всех страниц</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Фоновый рисунок</translation>
    </message>
    <message>
        <source>Clear Background</source>
        <translation>Очистить фон</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Create Type 1</source>
        <translation>Создать тип 1</translation>
    </message>
    <message>
        <source>Create Type 2</source>
        <translation>Создать тип 2</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить все</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчет</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Сформировать</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>For print of the report needs
design file AND data file.</source>
        <translation>Для печати отчета нужны
файл макета И файл данных.</translation>
    </message>
    <message>
        <source>New Design</source>
        <translation>Новый макет</translation>
    </message>
    <message>
        <source>Open Design</source>
        <translation>Открыть макет</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Сохранить макет</translation>
    </message>
    <message>
        <source>Close Design</source>
        <translation>Закрыть макет</translation>
    </message>
    <message>
        <source>Print Design</source>
        <translation>Печать макета</translation>
    </message>
    <message>
        <source>Add new page</source>
        <translation>Добавить страницу</translation>
    </message>
    <message>
        <source>Delete page</source>
        <translation>Удалить страницу</translation>
    </message>
    <message>
        <source>Copy page</source>
        <translation>Копировать страницу</translation>
    </message>
    <message>
        <source>Paste page</source>
        <translation>Вставить страницу</translation>
    </message>
    <message>
        <source>Zoom page</source>
        <translation>Масштаб страницы</translation>
    </message>
    <message>
        <source>Page preview mode</source>
        <translation>Режим предпросмотра страницы</translation>
    </message>
    <message>
        <source>Check printable mode</source>
        <translation>Режим проверки печатаемости</translation>
    </message>
    <message>
        <source>Black/White mode of preview</source>
        <translation>Черно-белый режим предпросмотра</translation>
    </message>
    <message>
        <source>Page print properties</source>
        <translation>Параметры печати страницы</translation>
    </message>
    <message>
        <source>Print page</source>
        <translation>Печать страницы</translation>
    </message>
    <message>
        <source>Page properties</source>
        <translation>Свойства страницы</translation>
    </message>
    <message>
        <source>New data</source>
        <translation>Новые данные</translation>
    </message>
    <message>
        <source>Open data</source>
        <translation>Открыть данные</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Сохранить данные</translation>
    </message>
    <message>
        <source>Close data</source>
        <translation>Закрыть данные</translation>
    </message>
    <message>
        <source>Generate template of data
for normal design</source>
        <translation>Создать шаблон данных
для обычного макета</translation>
    </message>
    <message>
        <source>Generate template of data
for repeating design</source>
        <translation>Создать шаблон данных
для макета с повторами</translation>
    </message>
    <message>
        <source>Font settings</source>
        <translation>Настройка шрифта</translation>
    </message>
    <message>
        <source>Generate report</source>
        <translation>Сформировать отчет</translation>
    </message>
    <message>
        <source>Open report</source>
        <translation>Открыть отчет</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Сохранить отчет</translation>
    </message>
    <message>
        <source>Close report</source>
        <translation>Закрыть отчет</translation>
    </message>
    <message>
        <source>Print report</source>
        <translation>Печать отчета</translation>
    </message>
    <message>
        <source>Black/Whitemode of preview</source>
        <translation>Черно-белый режим предпросмотра</translation>
    </message>
    <message>
        <source>Incorrect structure of document - </source>
        <translation>Неверная структура документа - </translation>
    </message>
    <message>
        <source>No any pages in the document of design</source>
        <translation>В макете нет ни одной страницы</translation>
    </message>
    <message>
        <source>No any pages in the document of report</source>
        <translation>В отчете нет ни одной страницы</translation>
    </message>
    <message>
        <source>Printer not exists</source>
        <translation>Принтер не найден</translation>
    </message>
    <message>
        <source>Please Wait. </source>
        <translation>Пожалуйста, подождите. </translation>
    </message>
    <message>
        <source> file is creating... </source>
        <translation> создается... </translation>
    </message>
    <message>
        <source>ZEL  Tessaly - report edit and print utility</source>
        <translation>ZEL  Tessaly - программа редактирования и печати отчетов</translation>
    </message>
    <message>
        <source>ZEL Tessaly</source>
        <translation>ZEL Tessaly</translation>
    </message>
    <message>
        <source>ZEL  Tessaly -  report edit and print utility. Version 1.4
</source>
        <translation>ZEL  Tessaly -  программа редактирования и печати отчетов. Версия 1.4
</translation>
    </message>
    <message>
        <source>Starts with a design, a data or a report file; with design and data it opens the generated report.
</source>
        <translation>Запускается с файлом макета, данных или отчета; если заданы макет и данные, открывает сформированный отчет.
</translation>
    </message>
    <message>
        <source>    &lt;commands&gt;
</source>
        <translation>    &lt;команды&gt;
</translation>
    </message>
    <message>
        <source>        -g (-G)  - don&apos;t show graphisc interface
</source>
        <translation>        -g (-G)  - не показывать графический интерфейс
</translation>
    </message>
    <message>
        <source>        -p (-P)  &lt;name&gt;      - name of printer
</source>
        <translation>        -p (-P)  &lt;имя&gt;       - имя принтера
</translation>
    </message>
    <message>
        <source>        -t (-T)  &lt;file name&gt; - desidn file name
</source>
        <translation>        -t (-T)  &lt;имя файла&gt; - имя файла макета
</translation>
    </message>
    <message>
        <source>        -d (-D)  &lt;file name&gt; - data file name
</source>
        <translation>        -d (-D)  &lt;имя файла&gt; - имя файла данных
</translation>
    </message>
    <message>
        <source>        -r (-R)  &lt;file name&gt; - report file name
</source>
        <translation>        -r (-R)  &lt;имя файла&gt; - имя файла отчета
</translation>
    </message>
    <message>
        <source>        -dd(-DD) - delete data file after print report
</source>
        <translation>        -dd(-DD) - удалить файл данных после печати отчета
</translation>
    </message>
    <message>
        <source>        -pf(-PF) - cheking flag of printable for elements
</source>
        <translation>        -pf(-PF) - проверять признак печати у элементов
</translation>
    </message>
    <message>
        <source>        -bw(-BW) - print elements in black/white mode
</source>
        <translation>        -bw(-BW) - печатать элементы в черно-белом режиме
</translation>
    </message>
    <message>
        <source>        (?)-rs - save report into file after print
</source>
        <translation>        (?)-rs - сохранить отчет в файл после печати
</translation>
    </message>
    <message>
        <source>        -e (-E)  &lt;file extension&gt; - File Export (rtf,doc,pdf,bmp,jpeg,gif,ico)
</source>
        <translation>        -e (-E)  &lt;расширение файла&gt; - экспорт в файл (rtf,doc,pdf,bmp,jpeg,gif,ico)
</translation>
    </message>
    <message>
        <source>        /?, /h, -h - help</source>
        <translation>        /?, /h, -h - справка</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>About Tessaly</source>
        <translation>О программе Tessaly</translation>
    </message>
    <message>
        <source>Tessaly %1
Report edit and print utility.
Built with Qt %2.</source>
        <translation>Tessaly %1
Программа редактирования и печати отчетов.
Собрано с Qt %2.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Найти:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Заменить на:</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>С учетом регистра</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Слово целиком</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Найти далее</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Заменить все</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Help file not found: %1</source>
        <translation>Файл справки не найден: %1</translation>
    </message>
    <message>
        <source>This command is not available yet.</source>
        <translation>Эта команда пока недоступна.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Tessaly needs a display for its window. The report was written as PDF instead: %1</source>
        <translation>Для окна Tessaly нужен дисплей. Вместо этого отчет записан в PDF: %1</translation>
    </message>
    <message>
        <source>F5 - Send by e-mail</source>
        <translation>F5 - Отправить по электронной почте</translation>
    </message>
    <message>
        <source>F6 - File Export</source>
        <translation>F6 - Экспорт в файл</translation>
    </message>
    <message>
        <source>Module Name</source>
        <translation>Имя модуля</translation>
    </message>
    <message>
        <source>Code Explanation</source>
        <translation>Описание кода</translation>
    </message>
    <message>
        <source>Subcode Explanation</source>
        <translation>Описание подкода</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Operation Codes</source>
        <translation>Коды операций</translation>
    </message>
    <message>
        <source>Operation Subcodes</source>
        <translation>Подкоды операций</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Subcode</source>
        <translation>Подкод</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>(none for this language)</source>
        <translation>(нет для этого языка)</translation>
    </message>
    <message>
        <source>Choose a row and press OK, or double-click it. OK without a chosen row keeps the value you had.

The codes are read from:
%1</source>
        <translation>Выберите строку и нажмите ОК или дважды щелкните по ней. ОК без выбранной строки оставляет прежнее значение.

Коды читаются из файла:
%1</translation>
    </message>
</context>
</TS>
