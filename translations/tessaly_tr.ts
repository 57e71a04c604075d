<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name>Tessaly</name>
    <message>
        <source>Russian</source>
        <translation>Rusça</translation>
    </message>
    <message>
        <source>English</source>
        <translation>İngilizce</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source> Design </source>
        <translation> Tasarım </translation>
    </message>
    <message>
        <source>  Data  </source>
        <translation>  Veri  </translation>
    </message>
    <message>
        <source> Report </source>
        <translation> Rapor </translation>
    </message>
    <message>
        <source> - edit</source>
        <translation> - düzenleme</translation>
    </message>
    <message>
        <source> - preview</source>
        <translation> - önizleme</translation>
    </message>
    <message>
        <source>Open *.edt/*.ebt file</source>
        <translation>*.edt/*.ebt dosyasını aç</translation>
    </message>
    <message>
        <source>Normal Design (*.edt)|*.edt|Barcode Design (*.ebt)|*.ebt|*.*|*.*</source>
        <translation>Normal tasarım (*.edt)|*.edt|Barkod tasarımı (*.ebt)|*.ebt|*.*|*.*</translation>
    </message>
    <message>
        <source>Save *.edt As...   [normal design]</source>
        <translation>*.edt olarak kaydet...   [normal tasarım]</translation>
    </message>
    <message>
        <source>Save *.ebt As...   [barcode gesign]</source>
        <translation>*.ebt olarak kaydet...   [barkod tasarımı]</translation>
    </message>
    <message>
        <source>Open *.edd/*.ebd file</source>
        <translation>*.edd/*.ebd dosyasını aç</translation>
    </message>
    <message>
        <source>Normal data (*.edd)|*.edd|Barcode data (*.ebd)|*.ebd|*.*|*.*</source>
        <translation>Normal veri (*.edd)|*.edd|Barkod verisi (*.ebd)|*.ebd|*.*|*.*</translation>
    </message>
    <message>
        <source>Save *.edd As...   [normal data template]</source>
        <translation>*.edd olarak kaydet...   [normal veri şablonu]</translation>
    </message>
    <message>
        <source>Save *.ebd As...   [barcode data template]</source>
        <translation>*.ebd olarak kaydet...   [barkod veri şablonu]</translation>
    </message>
    <message>
        <source>Open *.edr/*.ebr file</source>
        <translation>*.edr/*.ebr dosyasını aç</translation>
    </message>
    <message>
        <source>Normal report (*.edr)|*.edr|Barcode report (*.ebr)|*.ebr|*.*|*.*</source>
        <translation>Normal rapor (*.edr)|*.edr|Barkod raporu (*.ebr)|*.ebr|*.*|*.*</translation>
    </message>
    <message>
        <source>Save *.edr As...   [normal report]</source>
        <translation>*.edr olarak kaydet...   [normal rapor]</translation>
    </message>
    <message>
        <source>Save *.ebr As...   [barcode report]</source>
        <translation>*.ebr olarak kaydet...   [barkod raporu]</translation>
    </message>
    <message>
        <source>Design Editor</source>
        <translation>Tasarım Düzenleyicisi</translation>
    </message>
    <message>
        <source>Data Editor</source>
        <translation>Veri Düzenleyicisi</translation>
    </message>
    <message>
        <source>Report Viewer</source>
        <translation>Rapor Görüntüleyicisi</translation>
    </message>
    <message>
        <source>Save changes in design document?</source>
        <translation>Tasarım belgesindeki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Save changes in data document?</source>
        <translation>Veri belgesindeki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Save changes in report document?</source>
        <translation>Rapor belgesindeki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>- file not exists.</source>
        <translation>- dosya bulunamadı.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzen</translation>
    </message>
    <message>
        <source>Design document not exists.</source>
        <translation>Tasarım belgesi yok.</translation>
    </message>
    <message>
        <source>Data document not exists.</source>
        <translation>Veri belgesi yok.</translation>
    </message>
    <message>
        <source>Report can&apos;t be generated.</source>
        <translation>Rapor oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Kes</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Delete Table</source>
        <translation>Tabloyu Sil</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Satırı Sil</translation>
    </message>
    <message>
        <source>Delete Column</source>
        <translation>Sütunu Sil</translation>
    </message>
    <message>
        <source>to Front</source>
        <translation>Öne Getir</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Grup Ekle</translation>
    </message>
    <message>
        <source>Add Table</source>
        <translation>Tablo Ekle</translation>
    </message>
    <message>
        <source>Add Label</source>
        <translation>Etiket Ekle</translation>
    </message>
    <message>
        <source>Add BarCode</source>
        <translation>Barkod Ekle</translation>
    </message>
    <message>
        <source>Add Row Up</source>
        <translation>Üste Satır Ekle</translation>
    </message>
    <message>
        <source>Add Row Down</source>
        <translation>Alta Satır Ekle</translation>
    </message>
    <message>
        <source>Add Column Left</source>
        <translation>Sola Sütun Ekle</translation>
    </message>
    <message>
        <source>Add Column Right</source>
        <translation>Sağa Sütun Ekle</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Özellikler</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Yeniden Yükle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>Print Properties</source>
        <translation>Yazdırma Özellikleri</translation>
    </message>
    <message>
        <source>Default Printer</source>
        <translation>Varsayılan Yazıcı</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>Check Printable</source>
        <translation>Yazdırılabilirlik Denetimi</translation>
    </message>
    <message>
        <source>Black/White mode</source>
        <translation>Siyah/Beyaz Modu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Sayfa</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Yakınlaştırma</translation>
    </message>
    <message>
        <source>By Screen width</source>
        <translation>Ekran Genişliğine Göre</translation>
    </message>
    <message>
        <source>Zoom for all</source>
        <translation>Tüm Sayfalar İçin Yakınlaştırma</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Arka Plan Resmi</translation>
    </message>
    <message>
        <source>Clear Background</source>
        <translation>Arka Planı Temizle</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>İçindekiler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Create Type 1</source>
        <translation>Tür 1 Oluştur</translation>
    </message>
    <message>
        <source>Create Type 2</source>
        <translation>Tür 2 Oluştur</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Görüntüle</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Biçim</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Yazı Tipi</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapor</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Oluştur</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>For print of the report needs
design file AND data file.</source>
        <translation>Raporu yazdırmak için
tasarım dosyası VE veri dosyası gerekir.</translation>
    </message>
    <message>
        <source>New Design</source>
        <translation>Yeni Tasarım</translation>
    </message>
    <message>
        <source>Open Design</source>
        <translation>Tasarım Aç</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Tasarımı Kaydet</translation>
    </message>
    <message>
        <source>Close Design</source>
        <translation>Tasarımı Kapat</translation>
    </message>
    <message>
        <source>Print Design</source>
        <translation>Tasarımı Yazdır</translation>
    </message>
    <message>
        <source>Add new page</source>
        <translation>Yeni sayfa ekle</translation>
    </message>
    <message>
        <source>Delete page</source>
        <translation>Sayfayı sil</translation>
    </message>
    <message>
        <source>Copy page</source>
        <translation>Sayfayı kopyala</translation>
    </message>
    <message>
        <source>Paste page</source>
        <translation>Sayfayı yapıştır</translation>
    </message>
    <message>
        <source>Zoom page</source>
        <translation>Sayfa yakınlaştırma</translation>
    </message>
    <message>
        <source>Page preview mode</source>
        <translation>Sayfa önizleme modu</translation>
    </message>
    <message>
        <source>Check printable mode</source>
        <translation>Yazdırılabilirlik denetimi modu</translation>
    </message>
    <message>
        <source>Black/White mode of preview</source>
        <translation>Önizlemede siyah/beyaz modu</translation>
    </message>
    <message>
        <source>Page print properties</source>
        <translation>Sayfa yazdırma özellikleri</translation>
    </message>
    <message>
        <source>Print page</source>
        <translation>Sayfayı yazdır</translation>
    </message>
    <message>
        <source>Page properties</source>
        <translation>Sayfa özellikleri</translation>
    </message>
    <message>
        <source>New data</source>
        <translation>Yeni veri</translation>
    </message>
    <message>
        <source>Open data</source>
        <translation>Veri aç</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Veriyi kaydet</translation>
    </message>
    <message>
        <source>Close data</source>
        <translation>Veriyi kapat</translation>
    </message>
    <message>
        <source>Generate template of data
for normal design</source>
        <translation>Normal tasarım için
veri şablonu oluştur</translation>
    </message>
    <message>
        <source>Generate template of data
for repeating design</source>
        <translation>Tekrarlı tasarım için
veri şablonu oluştur</translation>
    </message>
    <message>
        <source>Font settings</source>
        <translation>Yazı tipi ayarları</translation>
    </message>
    <message>
        <source>Generate report</source>
        <translation>Rapor oluştur</translation>
    </message>
    <message>
        <source>Open report</source>
        <translation>Rapor aç</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Raporu kaydet</translation>
    </message>
    <message>
        <source>Close report</source>
        <translation>Raporu kapat</translation>
    </message>
    <message>
        <source>Print report</source>
        <translation>Raporu yazdır</translation>
    </message>
    <message>
        <source>Black/Whitemode of preview</source>
        <translation>Önizlemede siyah/beyaz modu</translation>
    </message>
    <message>
        <source>Incorrect structure of document - </source>
        <translation>Belge yapısı hatalı - </translation>
    </message>
    <message>
        <source>No any pages in the document of design</source>
        <translation>Tasarım belgesinde hiç sayfa yok</translation>
    </message>
    <message>
        <source>No any pages in the document of report</source>
        <translation>Rapor belgesinde hiç sayfa yok</translation>
    </message>
    <message>
        <source>Printer not exists</source>
        <translation>Yazıcı bulunamadı</translation>
    </message>
    <message>
        <source>Please Wait. </source>
        <translation>Lütfen bekleyin. </translation>
    </message>
    <message>
        <source> file is creating... </source>
        <translation> dosyası oluşturuluyor... </translation>
    </message>
    <message>
        <source>ZEL  Tessaly - report edit and print utility</source>
        <translation>ZEL  Tessaly - rapor düzenleme ve yazdırma programı</translation>
    </message>
    <message>
        <source>ZEL Tessaly</source>
        <translation>ZEL Tessaly</translation>
    </message>
    <message>
        <source>ZEL  Tessaly -  report edit and print utility. Version 1.4
</source>
        <translation>ZEL  Tessaly -  rapor düzenleme ve yazdırma programı. Sürüm 1.4
</translation>
    </message>
    <message>
        <source>Starts with a design, a data or a report file; with design and data it opens the generated report.
</source>
        <translation>Bir tasarım, veri veya rapor dosyasıyla başlar; tasarım ve veri verilirse oluşturulan raporu açar.
</translation>
    </message>
    <message>
        <source>    &lt;commands&gt;
</source>
        <translation>    &lt;komutlar&gt;
</translation>
    </message>
    <message>
        <source>        -g (-G)  - don&apos;t show graphisc interface
</source>
        <translation>        -g (-G)  - grafik arayüzü gösterme
</translation>
    </message>
    <message>
        <source>        -p (-P)  &lt;name&gt;      - name of printer
</source>
        <translation>        -p (-P)  &lt;ad&gt;        - yazıcının adı
</translation>
    </message>
    <message>
        <source>        -t (-T)  &lt;file name&gt; - desidn file name
</source>
        <translation>        -t (-T)  &lt;dosya adı&gt; - tasarım dosyasının adı
</translation>
    </message>
    <message>
        <source>        -d (-D)  &lt;file name&gt; - data file name
</source>
        <translation>        -d (-D)  &lt;dosya adı&gt; - veri dosyasının adı
</translation>
    </message>
    <message>
        <source>        -r (-R)  &lt;file name&gt; - report file name
</source>
        <translation>        -r (-R)  &lt;dosya adı&gt; - rapor dosyasının adı
</translation>
    </message>
    <message>
        <source>        -dd(-DD) - delete data file after print report
</source>
        <translation>        -dd(-DD) - rapor yazdırıldıktan sonra veri dosyasını sil
</translation>
    </message>
    <message>
        <source>        -pf(-PF) - cheking flag of printable for elements
</source>
        <translation>        -pf(-PF) - öğelerin yazdırılabilirlik işaretini denetle
</translation>
    </message>
    <message>
        <source>        -bw(-BW) - print elements in black/white mode
</source>
        <translation>        -bw(-BW) - öğeleri siyah/beyaz modda yazdır
</translation>
    </message>
    <message>
        <source>        (?)-rs - save report into file after print
</source>
        <translation>        (?)-rs - yazdırdıktan sonra raporu dosyaya kaydet
</translation>
    </message>
    <message>
        <source>        -e (-E)  &lt;file extension&gt; - File Export (rtf,doc,pdf,bmp,jpeg,gif,ico)
</source>
        <translation>        -e (-E)  &lt;dosya uzantısı&gt; - dosyaya dışa aktar (rtf,doc,pdf,bmp,jpeg,gif,ico)
</translation>
    </message>
    <message>
        <source>        /?, /h, -h - help</source>
        <translation>        /?, /h, -h - yardım</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>About Tessaly</source>
        <translation>Tessaly Hakkında</translation>
    </message>
    <message>
        <source>Tessaly %1
Report edit and print utility.
Built with Qt %2.</source>
        <translation>Tessaly %1
Rapor düzenleme ve yazdırma programı.
Qt %2 ile derlendi.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Aranan:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Yeni değer:</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Büyük/küçük harf duyarlı</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Yalnızca tam sözcük</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Sonrakini Bul</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Tümünü Değiştir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Help file not found: %1</source>
        <translation>Yardım dosyası bulunamadı: %1</translation>
    </message>
    <message>
        <source>This command is not available yet.</source>
        <translation>Bu komut henüz kullanılamıyor.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Tessaly needs a display for its window. The report was written as PDF instead: %1</source>
        <translation>Tessaly penceresi için bir ekran gerekiyor. Bunun yerine rapor PDF olarak yazıldı: %1</translation>
    </message>
    <message>
        <source>F5 - Send by e-mail</source>
        <translation>F5 - E-Posta ile gönder</translation>
    </message>
    <message>
        <source>F6 - File Export</source>
        <translation>F6 - Dosya Export</translation>
    </message>
    <message>
        <source>Module Name</source>
        <translation>Modül Adı</translation>
    </message>
    <message>
        <source>Code Explanation</source>
        <translation>Kod Açıklaması</translation>
    </message>
    <message>
        <source>Subcode Explanation</source>
        <translation>Altkod Açıklaması</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>Operation Codes</source>
        <translation>İşlem Kodları</translation>
    </message>
    <message>
        <source>Operation Subcodes</source>
        <translation>İşlem Altkodları</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Subcode</source>
        <translation>Altkod</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>(none for this language)</source>
        <translation>(bu dil için yok)</translation>
    </message>
    <message>
        <source>Choose a row and press OK, or double-click it. OK without a chosen row keeps the value you had.

The codes are read from:
%1</source>
        <translation>Bir satır seçip Tamam&apos;a basın ya da satıra çift tıklayın. Satır seçmeden Tamam önceki değeri korur.

Kodlar şu dosyadan okunur:
%1</translation>
    </message>
</context>
</TS>
