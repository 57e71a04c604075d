<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>Tessaly</name>
    <message>
        <source>Nothing was sent by e-mail:</source>
        <translation>Ничего не отправлено по почте:</translation>
    </message>
    <message>
        <source>the export wrote no file</source>
        <translation>экспорт не записал ни одного файла</translation>
    </message>
    <message>
        <source>Convert files write only into this folder (empty: anywhere):</source>
        <translation>Файлы конвертации пишут только в эту папку (пусто: куда угодно):</translation>
    </message>
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
        <source>Mail</source>
        <translation>Отправить по почте</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт в файл</translation>
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
    <message>
        <source>Name </source>
        <translation>Имя </translation>
    </message>
    <message>
        <source>Top   (mm) </source>
        <translation>Сверху   (мм) </translation>
    </message>
    <message>
        <source>Left  (mm) </source>
        <translation>Слева  (мм) </translation>
    </message>
    <message>
        <source>Height  (mm) </source>
        <translation>Высота  (мм) </translation>
    </message>
    <message>
        <source>Width   (mm) </source>
        <translation>Ширина   (мм) </translation>
    </message>
    <message>
        <source>Caption </source>
        <translation>Подпись </translation>
    </message>
    <message>
        <source>Value Type </source>
        <translation>Тип значения </translation>
    </message>
    <message>
        <source>Font </source>
        <translation>Шрифт </translation>
    </message>
    <message>
        <source>Text Align </source>
        <translation>Выравнивание текста </translation>
    </message>
    <message>
        <source>Borders </source>
        <translation>Рамка </translation>
    </message>
    <message>
        <source>Filling </source>
        <translation>Заливка </translation>
    </message>
    <message>
        <source>Picture </source>
        <translation>Рисунок </translation>
    </message>
    <message>
        <source>Repeatability</source>
        <translation>Повторяемость</translation>
    </message>
    <message>
        <source>BarCodes Features </source>
        <translation>Параметры штрих-кода </translation>
    </message>
    <message>
        <source>Operation codes </source>
        <translation>Коды операций </translation>
    </message>
    <message>
        <source>Text Align</source>
        <translation>Выравнивание текста</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Рисунок</translation>
    </message>
    <message>
        <source>Value Types</source>
        <translation>Типы значений</translation>
    </message>
    <message>
        <source>BarCode</source>
        <translation>Штрих-код</translation>
    </message>
    <message>
        <source>Data Codes</source>
        <translation>Коды данных</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Переменная</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Постоянная</translation>
    </message>
    <message>
        <source>Bool</source>
        <translation>Логическая</translation>
    </message>
    <message>
        <source>Time of Print</source>
        <translation>Время печати</translation>
    </message>
    <message>
        <source>Date of Print</source>
        <translation>Дата печати</translation>
    </message>
    <message>
        <source>Number of Page</source>
        <translation>Номер страницы</translation>
    </message>
    <message>
        <source>Number Line On Page</source>
        <translation>Номер строки на странице</translation>
    </message>
    <message>
        <source>Number Line Total</source>
        <translation>Сквозной номер строки</translation>
    </message>
    <message>
        <source>Picture (Original Size)</source>
        <translation>Рисунок (исходный размер)</translation>
    </message>
    <message>
        <source>Picture (Stretch proportion)</source>
        <translation>Рисунок (растянуть пропорционально)</translation>
    </message>
    <message>
        <source>Picture (Stretch)</source>
        <translation>Рисунок (растянуть)</translation>
    </message>
    <message>
        <source>Never print/preview, only design view</source>
        <translation>Не печатать и не показывать при просмотре, только в конструкторе</translation>
    </message>
    <message>
        <source>Normal print/preview, printable = false</source>
        <translation>Обычная печать/просмотр, printable = false</translation>
    </message>
    <message>
        <source>All print/preview (text &amp;&amp; border), printable = true</source>
        <translation>Печать/просмотр всего (текст &amp;&amp; рамка), printable = true</translation>
    </message>
    <message>
        <source>Text only print/preview, printable = true</source>
        <translation>Печать/просмотр только текста, printable = true</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>полужирный</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>курсив</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>Round Rectangle</source>
        <translation>Скруглённый прямоугольник</translation>
    </message>
    <message>
        <source>Ellips</source>
        <translation>Эллипс</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Сплошная</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Штриховая</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Пунктирная</translation>
    </message>
    <message>
        <source>DashDot</source>
        <translation>Штрихпунктирная</translation>
    </message>
    <message>
        <source>DashDotDot</source>
        <translation>Штрихпунктирная с двумя точками</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Прозрачная</translation>
    </message>
    <message>
        <source>InsideFrame</source>
        <translation>Внутри рамки</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>По горизонтали</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>По вертикали</translation>
    </message>
    <message>
        <source>FDiagonal</source>
        <translation>Прямая диагональ</translation>
    </message>
    <message>
        <source>BDiagonal</source>
        <translation>Обратная диагональ</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>DiagonalCroll</source>
        <translation>Диагональная сетка</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Сверху</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Снизу</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Нет)</translation>
    </message>
    <message>
        <source>cannot be shown</source>
        <translation>не удаётся показать</translation>
    </message>
    <message>
        <source>0     ANSI characters</source>
        <translation>0     Символы ANSI</translation>
    </message>
    <message>
        <source>1     Default charsets</source>
        <translation>1     Набор символов по умолчанию</translation>
    </message>
    <message>
        <source>2     Standard symbol set</source>
        <translation>2     Стандартный набор символов</translation>
    </message>
    <message>
        <source>77   Macintosh characters</source>
        <translation>77   Символы Macintosh</translation>
    </message>
    <message>
        <source>128 Japanese shift-jis characters</source>
        <translation>128 Японские символы (Shift-JIS)</translation>
    </message>
    <message>
        <source>129 Korean characters (Wansung).</source>
        <translation>129 Корейские символы (Wansung).</translation>
    </message>
    <message>
        <source>130 Korean characters (Johab)</source>
        <translation>130 Корейские символы (Johab)</translation>
    </message>
    <message>
        <source>134 Simplified Chinese characters (mainland china)</source>
        <translation>134 Упрощённые китайские иероглифы (материковый Китай)</translation>
    </message>
    <message>
        <source>136 Traditional Chinese characters (taiwanese)</source>
        <translation>136 Традиционные китайские иероглифы (Тайвань)</translation>
    </message>
    <message>
        <source>161 Greek characters</source>
        <translation>161 Греческие символы</translation>
    </message>
    <message>
        <source>162 Turkish characters</source>
        <translation>162 Турецкие символы</translation>
    </message>
    <message>
        <source>163 Vietnamese characters</source>
        <translation>163 Вьетнамские символы</translation>
    </message>
    <message>
        <source>177 Hebrew characters</source>
        <translation>177 Символы иврита</translation>
    </message>
    <message>
        <source>178 Arabic characters</source>
        <translation>178 Арабские символы</translation>
    </message>
    <message>
        <source>186 Baltic characters</source>
        <translation>186 Балтийские символы</translation>
    </message>
    <message>
        <source>204 Cyrillic characters</source>
        <translation>204 Кириллица</translation>
    </message>
    <message>
        <source>222 Thai characters</source>
        <translation>222 Тайские символы</translation>
    </message>
    <message>
        <source>238 +diacritical marks for eastern european countries</source>
        <translation>238 +диакритические знаки для стран Восточной Европы</translation>
    </message>
    <message>
        <source>255 OEM charset</source>
        <translation>255 Набор символов OEM</translation>
    </message>
    <message>
        <source>0       Don&apos;t Care</source>
        <translation>0       Не важно</translation>
    </message>
    <message>
        <source>100   Thin</source>
        <translation>100   Тонкий</translation>
    </message>
    <message>
        <source>200   Extra/Ultra Light</source>
        <translation>200   Сверхсветлый</translation>
    </message>
    <message>
        <source>300   Light</source>
        <translation>300   Светлый</translation>
    </message>
    <message>
        <source>400   Normal/Regular</source>
        <translation>400   Обычный</translation>
    </message>
    <message>
        <source>500   Medium</source>
        <translation>500   Средний</translation>
    </message>
    <message>
        <source>600   Semi-/Demi- Bold</source>
        <translation>600   Полужирный</translation>
    </message>
    <message>
        <source>700   Bold</source>
        <translation>700   Жирный</translation>
    </message>
    <message>
        <source>800   Extra/Ultra Bold</source>
        <translation>800   Сверхжирный</translation>
    </message>
    <message>
        <source>900   Heavy/Black</source>
        <translation>900   Тяжёлый/Чёрный</translation>
    </message>
    <message>
        <source>1000 Very Black :)</source>
        <translation>1000 Очень чёрный :)</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Набор символов</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Полужирный</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source> Underline</source>
        <translation> Подчёркнутый</translation>
    </message>
    <message>
        <source> Strike Out</source>
        <translation> Зачёркнутый</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Цвет шрифта</translation>
    </message>
    <message>
        <source>Character Size, mm</source>
        <translation>Размер символов, мм</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Width </source>
        <translation>Ширина </translation>
    </message>
    <message>
        <source>Extra space</source>
        <translation>Дополнительный интервал</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ориентация</translation>
    </message>
    <message>
        <source>Angle of </source>
        <translation>Угол </translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>градусов</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Выравнивание</translation>
    </message>
    <message>
        <source>Standart</source>
        <translation>Стандартный</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>Text Parting</source>
        <translation>Разбиение текста</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Symbol&apos;s count </source>
        <translation>Число символов </translation>
    </message>
    <message>
        <source>Printable / Showing</source>
        <translation>Печать / отображение</translation>
    </message>
    <message>
        <source>Rising diagonal</source>
        <translation>Диагональ вверх</translation>
    </message>
    <message>
        <source>Falling diagonal</source>
        <translation>Диагональ вниз</translation>
    </message>
    <message>
        <source>Pen Style</source>
        <translation>Стиль линии</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Толщина</translation>
    </message>
    <message>
        <source>Borders Color</source>
        <translation>Цвет рамки</translation>
    </message>
    <message>
        <source>Corner roundness: </source>
        <translation>Скругление углов: </translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Текстура</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Загрузить...</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.ico)|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.ico|*.*|*.*</source>
        <translation>Рисунки (*.png *.jpg *.jpeg *.bmp *.gif *.ico)|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.ico|*.*|*.*</translation>
    </message>
    <message>
        <source>The picture cannot be read: </source>
        <translation>Не удаётся прочитать рисунок: </translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Растянуть</translation>
    </message>
    <message>
        <source>Stretch proportion</source>
        <translation>Растянуть пропорционально</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Положение</translation>
    </message>
    <message>
        <source>AutoSet by type</source>
        <translation>Автоматически по типу</translation>
    </message>
    <message>
        <source>Array of codes</source>
        <translation>Массив кодов</translation>
    </message>
    <message>
        <source>String of characters</source>
        <translation>Строка символов</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>CheckSum</source>
        <translation>Контрольная сумма</translation>
    </message>
    <message>
        <source>Show Value</source>
        <translation>Показывать значение</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>Auto calculate</source>
        <translation>Вычислять автоматически</translation>
    </message>
    <message>
        <source>Manual set</source>
        <translation>Задать вручную</translation>
    </message>
    <message>
        <source>BarCode Color</source>
        <translation>Цвет штрих-кода</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Коэффициент</translation>
    </message>
    <message>
        <source>Width of Line</source>
        <translation>Ширина линии</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Единица измерения</translation>
    </message>
    <message>
        <source>twip</source>
        <translation>твип</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Верхнее поле</translation>
    </message>
    <message>
        <source>Bottom Margin</source>
        <translation>Нижнее поле</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Table code</source>
        <translation>Код таблицы</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Field code</source>
        <translation>Код поля</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Формула</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Custom Color ...</source>
        <translation>Другой цвет ...</translation>
    </message>
    <message>
        <source>All Paper Sizes</source>
        <translation>Все размеры бумаги</translation>
    </message>
    <message>
        <source>Paper Form</source>
        <translation>Форма бумаги</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Set For All</source>
        <translation>Установить для всех</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Размер страницы</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Все форматы</translation>
    </message>
    <message>
        <source>Printer Pages</source>
        <translation>Форматы принтера</translation>
    </message>
    <message>
        <source>Manual Page Size</source>
        <translation>Размер вручную</translation>
    </message>
    <message>
        <source>Width, mm</source>
        <translation>Ширина, мм</translation>
    </message>
    <message>
        <source>Height, mm</source>
        <translation>Высота, мм</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <source>Reverse Portrait</source>
        <translation>Перевёрнутая книжная</translation>
    </message>
    <message>
        <source>Reverse Landscape</source>
        <translation>Перевёрнутая альбомная</translation>
    </message>
    <message>
        <source>List of Fonts</source>
        <translation>Список шрифтов</translation>
    </message>
    <message>
        <source>True Type Fonts ONLY</source>
        <translation>Только шрифты True Type</translation>
    </message>
    <message>
        <source>Device Fonts ONLY</source>
        <translation>Только шрифты устройства</translation>
    </message>
    <message>
        <source>Font not choosen</source>
        <translation>Шрифт не выбран</translation>
    </message>
    <message>
        <source>Space, mm</source>
        <translation>Интервал, мм</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Начертание</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>Strike Out</source>
        <translation>Зачёркнутый</translation>
    </message>
    <message>
        <source>Font Character Set</source>
        <translation>Набор символов шрифта</translation>
    </message>
    <message>
        <source>Font Example</source>
        <translation>Образец шрифта</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>Черновое</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкое</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокое</translation>
    </message>
    <message>
        <source>Monochrome print</source>
        <translation>Монохромная печать</translation>
    </message>
    <message>
        <source>Coloured print</source>
        <translation>Цветная печать</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Текущая</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Номера:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Копии</translation>
    </message>
    <message>
        <source>Print order</source>
        <translation>Порядок печати</translation>
    </message>
    <message>
        <source>Front to Back</source>
        <translation>С первой до последней</translation>
    </message>
    <message>
        <source>Back to Front</source>
        <translation>С последней до первой</translation>
    </message>
    <message>
        <source>Paper source</source>
        <translation>Источник бумаги</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>no printers in system</source>
        <translation>в системе нет принтеров</translation>
    </message>
    <message>
        <source>File Export</source>
        <translation>Экспорт в файл</translation>
    </message>
    <message>
        <source>Page-break character between pages</source>
        <translation>Символ разрыва страницы между страницами</translation>
    </message>
    <message>
        <source>End-of-file character at the end</source>
        <translation>Символ конца файла в конце</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <translation>Сохранять рисунки</translation>
    </message>
    <message>
        <source>Save as one MHT file</source>
        <translation>Сохранить как один файл MHT</translation>
    </message>
    <message>
        <source>BMP</source>
        <translation>BMP</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>ICO</source>
        <translation>ICO</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>Open the file after export</source>
        <translation>Открыть файл после экспорта</translation>
    </message>
    <message>
        <source>Send by e-mail</source>
        <translation>Отправить по электронной почте</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>RTF</source>
        <translation>RTF</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Рисунки</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source> File was created!</source>
        <translation> был создан!</translation>
    </message>
    <message>
        <source> File was created!</source>
        <comment>several files</comment>
        <translation> был создан!</translation>
    </message>
    <message>
        <source>Tessaly</source>
        <translation>Tessaly</translation>
    </message>
    <message>
        <source>This output is not available yet.</source>
        <translation>Этот вывод пока недоступен.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written in %2.</source>
        <translation>&quot;%1&quot; нельзя записать в %2.</translation>
    </message>
    <message>
        <source>Document Properties (defaults for new pages)</source>
        <translation>Свойства документа (по умолчанию для новых страниц)</translation>
    </message>
    <message>
        <source>Page Properties</source>
        <translation>Свойства страницы</translation>
    </message>
    <message>
        <source>Arrange</source>
        <translation>Упорядочить</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Выровнять по левому краю</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Выровнять по правому краю</translation>
    </message>
    <message>
        <source>Align Top</source>
        <translation>Выровнять по верхнему краю</translation>
    </message>
    <message>
        <source>Align Bottom</source>
        <translation>Выровнять по нижнему краю</translation>
    </message>
    <message>
        <source>Align Horizontal Centres</source>
        <translation>Выровнять центры по горизонтали</translation>
    </message>
    <message>
        <source>Align Vertical Centres</source>
        <translation>Выровнять центры по вертикали</translation>
    </message>
    <message>
        <source>Distribute Horizontally</source>
        <translation>Распределить по горизонтали</translation>
    </message>
    <message>
        <source>Distribute Vertically</source>
        <translation>Распределить по вертикали</translation>
    </message>
    <message>
        <source>Same Width</source>
        <translation>Одинаковая ширина</translation>
    </message>
    <message>
        <source>Same Height</source>
        <translation>Одинаковая высота</translation>
    </message>
    <message>
        <source>Same Size</source>
        <translation>Одинаковый размер</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставка</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Надпись</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Insert a label</source>
        <translation>Вставить надпись</translation>
    </message>
    <message>
        <source>Insert a barcode</source>
        <translation>Вставить штрихкод</translation>
    </message>
    <message>
        <source>Insert a group</source>
        <translation>Вставить группу</translation>
    </message>
    <message>
        <source>Insert a table</source>
        <translation>Вставить таблицу</translation>
    </message>
    <message>
        <source>Insert a picture</source>
        <translation>Вставить рисунок</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Вставка таблицы</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>Строки:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Столбцы:</translation>
    </message>
    <message>
        <source>Click where the element goes; Escape cancels.</source>
        <translation>Щёлкните там, где должен быть элемент; Escape отменяет.</translation>
    </message>
    <message>
        <source>No file was written</source>
        <translation>Ни один файл не записан</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>файлов: %1</translation>
    </message>
    <message>
        <source>the design without data</source>
        <translation>макет без данных</translation>
    </message>
    <message>
        <source>One sheet per page: each text in the cell of its row and column, numbers as numbers, tables as grids (.xlsx).</source>
        <translation>Один лист на страницу: каждый текст в ячейке своей строки и столбца, числа как числа, таблицы как сетки (.xlsx).</translation>
        <source>Page &quot;%1&quot;:</source>
        <translation>Страница «%1»:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>These elements lie outside the paper:</source>
        <translation>Эти элементы выходят за пределы бумаги:</translation>
    </message>
    <message>
        <source>The paper of page &quot;%1&quot; is now %2 mm.
Fit the page&apos;s panel to the new paper?</source>
        <translation>Бумага страницы «%1» теперь %2 мм.
Подогнать панель страницы под новую бумагу?</translation>
    </message>
    <message>
        <source>The paper of %1 pages changed.
Fit each page&apos;s panel to its new paper?</source>
        <translation>Бумага %1 страниц изменилась.
Подогнать панель каждой страницы под её новую бумагу?</translation>
    </message>
    <message>
        <source>Fit Panel to Paper</source>
        <translation>Подогнать панель под бумагу</translation>
    </message>
    <message>
        <source>Data Fields</source>
        <translation>Поля данных</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>In group</source>
        <translation>В группе</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Ячейка</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Панель</translation>
    </message>
    <message>
        <source>Name the Selected Element</source>
        <translation>Назвать выбранный элемент</translation>
    </message>
    <message>
        <source>the Data tab</source>
        <translation>вкладка «Данные»</translation>
    </message>
    <message>
        <source>No data: open a data file in the Data tab, or keep one beside the design.</source>
        <translation>Нет данных: откройте файл данных на вкладке данных или положите его рядом с макетом.</translation>
    </message>
    <message>
        <source>The data (%1) names no element of page &quot;%2&quot;.</source>
        <translation>Данные (%1) не называют ни одного элемента страницы «%2».</translation>
    </message>
    <message>
        <source>Elements that the data (%1) names on page &quot;%2&quot;; double-click one to give the selected element its name.</source>
        <translation>Элементы страницы «%2», которые называют данные (%1); двойной щелчок даёт выбранному элементу это имя.</translation>
    </message>
    <message>
        <source>Only the first %1 names are listed.</source>
        <translation>Показаны только первые %1 имён.</translation>
    </message>
    <message>
        <source>An element of this page has this name.</source>
        <translation>Элемент этой страницы уже носит это имя.</translation>
    </message>
    <message>
        <source>Select the element that takes the name &quot;%1&quot; first.</source>
        <translation>Сначала выберите элемент, который получит имя «%1».</translation>
    </message>
    <message>
        <source>The data fills a %1 named &quot;%2&quot;; the selected element is a %3.</source>
        <translation>Данные заполняют элемент «%2» вида %1; выбранный элемент — %3.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is already used on this page.</source>
        <translation>Имя «%1» уже используется на этой странице.</translation>
    </message>
    <message>
        <source>Its lines end in LF alone, and data files need CR LF.</source>
        <translation>Его строки заканчиваются одним LF, а файлам данных нужен CR LF.</translation>
        <source>Show Grid</source>
        <translation>Показать сетку</translation>
    </message>
    <message>
        <source>Snap to Grid</source>
        <translation>Привязка к сетке</translation>
    </message>
    <message>
        <source>Grid Step...</source>
        <translation>Шаг сетки...</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>Grid step:</source>
        <translation>Шаг сетки:</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>По размеру страницы</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>По ширине</translation>
    </message>
    <message>
        <source>Left %1, top %2, width %3, height %4 mm</source>
        <translation>Слева %1, сверху %2, ширина %3, высота %4 мм</translation>
    </message>
</context>
</TS>
