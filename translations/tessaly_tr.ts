<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name>Tessaly</name>
    <message>
        <source>Nothing was sent by e-mail:</source>
        <translation>E-posta ile hiçbir şey gönderilmedi:</translation>
    </message>
    <message>
        <source>the export wrote no file</source>
        <translation>dışa aktarma hiçbir dosya yazmadı</translation>
    </message>
    <message>
        <source>Convert files write only into this folder (empty: anywhere):</source>
        <translation>Dönüştürme dosyaları yalnızca bu klasöre yazar (boş: her yere):</translation>
    </message>
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
        <source>Mail</source>
        <translation>E-Posta ile gönder</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dosya Export</translation>
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
    <message>
        <source>Name </source>
        <translation>Ad </translation>
    </message>
    <message>
        <source>Top   (mm) </source>
        <translation>Üst   (mm) </translation>
    </message>
    <message>
        <source>Left  (mm) </source>
        <translation>Sol  (mm) </translation>
    </message>
    <message>
        <source>Height  (mm) </source>
        <translation>Yükseklik  (mm) </translation>
    </message>
    <message>
        <source>Width   (mm) </source>
        <translation>Genişlik   (mm) </translation>
    </message>
    <message>
        <source>Caption </source>
        <translation>Başlık </translation>
    </message>
    <message>
        <source>Value Type </source>
        <translation>Değer türü </translation>
    </message>
    <message>
        <source>Font </source>
        <translation>Yazı tipi </translation>
    </message>
    <message>
        <source>Text Align </source>
        <translation>Metin hizalama </translation>
    </message>
    <message>
        <source>Borders </source>
        <translation>Kenarlıklar </translation>
    </message>
    <message>
        <source>Filling </source>
        <translation>Dolgu </translation>
    </message>
    <message>
        <source>Picture </source>
        <translation>Resim </translation>
    </message>
    <message>
        <source>Repeatability</source>
        <translation>Tekrarlanabilirlik</translation>
    </message>
    <message>
        <source>BarCodes Features </source>
        <translation>Barkod özellikleri </translation>
    </message>
    <message>
        <source>Operation codes </source>
        <translation>İşlem kodları </translation>
    </message>
    <message>
        <source>Text Align</source>
        <translation>Metin hizalama</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Kenarlıklar</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arka plan</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>Value Types</source>
        <translation>Değer türleri</translation>
    </message>
    <message>
        <source>BarCode</source>
        <translation>Barkod</translation>
    </message>
    <message>
        <source>Data Codes</source>
        <translation>Veri kodları</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Değişken</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Sabit</translation>
    </message>
    <message>
        <source>Bool</source>
        <translation>Mantıksal</translation>
    </message>
    <message>
        <source>Time of Print</source>
        <translation>Yazdırma saati</translation>
    </message>
    <message>
        <source>Date of Print</source>
        <translation>Yazdırma tarihi</translation>
    </message>
    <message>
        <source>Number of Page</source>
        <translation>Sayfa numarası</translation>
    </message>
    <message>
        <source>Number Line On Page</source>
        <translation>Sayfadaki satır numarası</translation>
    </message>
    <message>
        <source>Number Line Total</source>
        <translation>Genel satır numarası</translation>
    </message>
    <message>
        <source>Picture (Original Size)</source>
        <translation>Resim (özgün boyut)</translation>
    </message>
    <message>
        <source>Picture (Stretch proportion)</source>
        <translation>Resim (orantılı uzat)</translation>
    </message>
    <message>
        <source>Picture (Stretch)</source>
        <translation>Resim (uzat)</translation>
    </message>
    <message>
        <source>Never print/preview, only design view</source>
        <translation>Hiçbir zaman yazdırma/önizleme, yalnızca tasarım görünümü</translation>
    </message>
    <message>
        <source>Normal print/preview, printable = false</source>
        <translation>Olağan yazdırma/önizleme, printable = false</translation>
    </message>
    <message>
        <source>All print/preview (text &amp;&amp; border), printable = true</source>
        <translation>Tümünü yazdır/önizle (metin &amp;&amp; kenarlık), printable = true</translation>
    </message>
    <message>
        <source>Text only print/preview, printable = true</source>
        <translation>Yalnızca metni yazdır/önizle, printable = true</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>kalın</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>italik</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Dikdörtgen</translation>
    </message>
    <message>
        <source>Round Rectangle</source>
        <translation>Yuvarlak köşeli dikdörtgen</translation>
    </message>
    <message>
        <source>Ellips</source>
        <translation>Elips</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Düz</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Kesik çizgi</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Noktalı</translation>
    </message>
    <message>
        <source>DashDot</source>
        <translation>Çizgi-nokta</translation>
    </message>
    <message>
        <source>DashDotDot</source>
        <translation>Çizgi-nokta-nokta</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Saydam</translation>
    </message>
    <message>
        <source>InsideFrame</source>
        <translation>Çerçeve içi</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>FDiagonal</source>
        <translation>İleri çapraz</translation>
    </message>
    <message>
        <source>BDiagonal</source>
        <translation>Geri çapraz</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Izgara</translation>
    </message>
    <message>
        <source>DiagonalCroll</source>
        <translation>Çapraz ızgara</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Sağ</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Üst</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Yok)</translation>
    </message>
    <message>
        <source>cannot be shown</source>
        <translation>gösterilemiyor</translation>
    </message>
    <message>
        <source>0     ANSI characters</source>
        <translation>0     ANSI karakterleri</translation>
    </message>
    <message>
        <source>1     Default charsets</source>
        <translation>1     Varsayılan karakter kümesi</translation>
    </message>
    <message>
        <source>2     Standard symbol set</source>
        <translation>2     Standart sembol kümesi</translation>
    </message>
    <message>
        <source>77   Macintosh characters</source>
        <translation>77   Macintosh karakterleri</translation>
    </message>
    <message>
        <source>128 Japanese shift-jis characters</source>
        <translation>128 Japonca Shift-JIS karakterleri</translation>
    </message>
    <message>
        <source>129 Korean characters (Wansung).</source>
        <translation>129 Korece karakterler (Wansung).</translation>
    </message>
    <message>
        <source>130 Korean characters (Johab)</source>
        <translation>130 Korece karakterler (Johab)</translation>
    </message>
    <message>
        <source>134 Simplified Chinese characters (mainland china)</source>
        <translation>134 Basitleştirilmiş Çince karakterler (Çin anakarası)</translation>
    </message>
    <message>
        <source>136 Traditional Chinese characters (taiwanese)</source>
        <translation>136 Geleneksel Çince karakterler (Tayvan)</translation>
    </message>
    <message>
        <source>161 Greek characters</source>
        <translation>161 Yunanca karakterler</translation>
    </message>
    <message>
        <source>162 Turkish characters</source>
        <translation>162 Türkçe karakterler</translation>
    </message>
    <message>
        <source>163 Vietnamese characters</source>
        <translation>163 Vietnamca karakterler</translation>
    </message>
    <message>
        <source>177 Hebrew characters</source>
        <translation>177 İbranice karakterler</translation>
    </message>
    <message>
        <source>178 Arabic characters</source>
        <translation>178 Arapça karakterler</translation>
    </message>
    <message>
        <source>186 Baltic characters</source>
        <translation>186 Baltık dilleri karakterleri</translation>
    </message>
    <message>
        <source>204 Cyrillic characters</source>
        <translation>204 Kiril karakterleri</translation>
    </message>
    <message>
        <source>222 Thai characters</source>
        <translation>222 Tayca karakterler</translation>
    </message>
    <message>
        <source>238 +diacritical marks for eastern european countries</source>
        <translation>238 +Doğu Avrupa ülkeleri için aksan işaretleri</translation>
    </message>
    <message>
        <source>255 OEM charset</source>
        <translation>255 OEM karakter kümesi</translation>
    </message>
    <message>
        <source>0       Don&apos;t Care</source>
        <translation>0       Fark etmez</translation>
    </message>
    <message>
        <source>100   Thin</source>
        <translation>100   İnce</translation>
    </message>
    <message>
        <source>200   Extra/Ultra Light</source>
        <translation>200   Ekstra/Ultra hafif</translation>
    </message>
    <message>
        <source>300   Light</source>
        <translation>300   Hafif</translation>
    </message>
    <message>
        <source>400   Normal/Regular</source>
        <translation>400   Olağan</translation>
    </message>
    <message>
        <source>500   Medium</source>
        <translation>500   Orta</translation>
    </message>
    <message>
        <source>600   Semi-/Demi- Bold</source>
        <translation>600   Yarı kalın</translation>
    </message>
    <message>
        <source>700   Bold</source>
        <translation>700   Kalın</translation>
    </message>
    <message>
        <source>800   Extra/Ultra Bold</source>
        <translation>800   Ekstra/Ultra kalın</translation>
    </message>
    <message>
        <source>900   Heavy/Black</source>
        <translation>900   Ağır/Siyah</translation>
    </message>
    <message>
        <source>1000 Very Black :)</source>
        <translation>1000 Çok siyah :)</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Karakter kümesi</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Kalınlık</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Kalın</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>İtalik</translation>
    </message>
    <message>
        <source> Underline</source>
        <translation> Altı çizili</translation>
    </message>
    <message>
        <source> Strike Out</source>
        <translation> Üstü çizili</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Yazı rengi</translation>
    </message>
    <message>
        <source>Character Size, mm</source>
        <translation>Karakter boyutu, mm</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>Width </source>
        <translation>Genişlik </translation>
    </message>
    <message>
        <source>Extra space</source>
        <translation>Ek aralık</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Yönlendirme</translation>
    </message>
    <message>
        <source>Angle of </source>
        <translation>Açı </translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>derece</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Hizalama</translation>
    </message>
    <message>
        <source>Standart</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Konumlar</translation>
    </message>
    <message>
        <source>Text Parting</source>
        <translation>Metin bölme</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Kaydırma</translation>
    </message>
    <message>
        <source>Symbol&apos;s count </source>
        <translation>Karakter sayısı </translation>
    </message>
    <message>
        <source>Printable / Showing</source>
        <translation>Yazdırma / Gösterme</translation>
    </message>
    <message>
        <source>Rising diagonal</source>
        <translation>Yükselen çapraz</translation>
    </message>
    <message>
        <source>Falling diagonal</source>
        <translation>Alçalan çapraz</translation>
    </message>
    <message>
        <source>Pen Style</source>
        <translation>Çizgi stili</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Genişlik</translation>
    </message>
    <message>
        <source>Borders Color</source>
        <translation>Kenarlık rengi</translation>
    </message>
    <message>
        <source>Corner roundness: </source>
        <translation>Köşe yuvarlaklığı: </translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Doku</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Yükle...</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.ico)|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.ico|*.*|*.*</source>
        <translation>Resimler (*.png *.jpg *.jpeg *.bmp *.gif *.ico)|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.ico|*.*|*.*</translation>
    </message>
    <message>
        <source>The picture cannot be read: </source>
        <translation>Resim okunamıyor: </translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Temizle</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Dosyaya kaydet</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Özgün boyut</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Uzat</translation>
    </message>
    <message>
        <source>Stretch proportion</source>
        <translation>Orantılı uzat</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Elle</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>AutoSet by type</source>
        <translation>Türe göre otomatik</translation>
    </message>
    <message>
        <source>Array of codes</source>
        <translation>Kod dizisi</translation>
    </message>
    <message>
        <source>String of characters</source>
        <translation>Karakter dizgesi</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>CheckSum</source>
        <translation>Sağlama toplamı</translation>
    </message>
    <message>
        <source>Show Value</source>
        <translation>Değeri göster</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Yazı tipi boyutu</translation>
    </message>
    <message>
        <source>Auto calculate</source>
        <translation>Otomatik hesapla</translation>
    </message>
    <message>
        <source>Manual set</source>
        <translation>Elle ayarla</translation>
    </message>
    <message>
        <source>BarCode Color</source>
        <translation>Barkod rengi</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Katsayı</translation>
    </message>
    <message>
        <source>Width of Line</source>
        <translation>Çizgi genişliği</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Ölçü birimi</translation>
    </message>
    <message>
        <source>twip</source>
        <translation>twip</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Üst kenar boşluğu</translation>
    </message>
    <message>
        <source>Bottom Margin</source>
        <translation>Alt kenar boşluğu</translation>
    </message>
    <message>
        <source>Modul</source>
        <translation>Modül</translation>
    </message>
    <message>
        <source>Table code</source>
        <translation>Tablo kodu</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Satır</translation>
    </message>
    <message>
        <source>Field code</source>
        <translation>Alan kodu</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formül</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Yazım</translation>
    </message>
    <message>
        <source>Custom Color ...</source>
        <translation>Özel renk ...</translation>
    </message>
    <message>
        <source>All Paper Sizes</source>
        <translation>Tüm kâğıt boyutları</translation>
    </message>
    <message>
        <source>Paper Form</source>
        <translation>Kâğıt formu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Set For All</source>
        <translation>Tümüne uygula</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametreler</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Numara</translation>
    </message>
    <message>
        <source>Page Size</source>
        <translation>Sayfa boyutu</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Tüm kâğıtlar</translation>
    </message>
    <message>
        <source>Printer Pages</source>
        <translation>Yazıcı kâğıtları</translation>
    </message>
    <message>
        <source>Manual Page Size</source>
        <translation>Elle sayfa boyutu</translation>
    </message>
    <message>
        <source>Width, mm</source>
        <translation>Genişlik, mm</translation>
    </message>
    <message>
        <source>Height, mm</source>
        <translation>Yükseklik, mm</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>Reverse Portrait</source>
        <translation>Ters dikey</translation>
    </message>
    <message>
        <source>Reverse Landscape</source>
        <translation>Ters yatay</translation>
    </message>
    <message>
        <source>List of Fonts</source>
        <translation>Yazı tipleri listesi</translation>
    </message>
    <message>
        <source>True Type Fonts ONLY</source>
        <translation>Yalnızca True Type yazı tipleri</translation>
    </message>
    <message>
        <source>Device Fonts ONLY</source>
        <translation>Yalnızca aygıt yazı tipleri</translation>
    </message>
    <message>
        <source>Font not choosen</source>
        <translation>Yazı tipi seçilmedi</translation>
    </message>
    <message>
        <source>Space, mm</source>
        <translation>Aralık, mm</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Altı çizili</translation>
    </message>
    <message>
        <source>Strike Out</source>
        <translation>Üstü çizili</translation>
    </message>
    <message>
        <source>Font Character Set</source>
        <translation>Yazı tipi karakter kümesi</translation>
    </message>
    <message>
        <source>Font Example</source>
        <translation>Yazı tipi örneği</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kalite</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>Taslak</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Düşük</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Yüksek</translation>
    </message>
    <message>
        <source>Monochrome print</source>
        <translation>Tek renkli baskı</translation>
    </message>
    <message>
        <source>Coloured print</source>
        <translation>Renkli baskı</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sayfalar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Geçerli</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Numaralar:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopya sayısı</translation>
    </message>
    <message>
        <source>Print order</source>
        <translation>Yazdırma sırası</translation>
    </message>
    <message>
        <source>Front to Back</source>
        <translation>Baştan sona</translation>
    </message>
    <message>
        <source>Back to Front</source>
        <translation>Sondan başa</translation>
    </message>
    <message>
        <source>Paper source</source>
        <translation>Kağıt kaynağı</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Yazıcı</translation>
    </message>
    <message>
        <source>no printers in system</source>
        <translation>sistemde yazıcı yok</translation>
    </message>
    <message>
        <source>File Export</source>
        <translation>Dosya Export</translation>
    </message>
    <message>
        <source>Page-break character between pages</source>
        <translation>Sayfalar arasında sayfa sonu karakteri</translation>
    </message>
    <message>
        <source>End-of-file character at the end</source>
        <translation>Sonda dosya sonu karakteri</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <translation>Resimleri kaydet</translation>
    </message>
    <message>
        <source>Save as one MHT file</source>
        <translation>Tek bir MHT dosyası olarak kaydet</translation>
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
        <translation>Dışa aktarımdan sonra dosyayı aç</translation>
    </message>
    <message>
        <source>Send by e-mail</source>
        <translation>E-Posta ile gönder</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
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
        <translation>Resimler</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source> File was created!</source>
        <translation> dosyası tamamlandı!</translation>
    </message>
    <message>
        <source> File was created!</source>
        <comment>several files</comment>
        <translation> dosyaları tamamlandı!</translation>
    </message>
    <message>
        <source>Tessaly</source>
        <translation>Tessaly</translation>
    </message>
    <message>
        <source>This output is not available yet.</source>
        <translation>Bu çıktı henüz kullanılamıyor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written in %2.</source>
        <translation>&quot;%1&quot;, %2 koduna yazılamaz.</translation>
    </message>
    <message>
        <source>Document Properties (defaults for new pages)</source>
        <translation>Belge özellikleri (yeni sayfalar için varsayılanlar)</translation>
    </message>
    <message>
        <source>Page Properties</source>
        <translation>Sayfa özellikleri</translation>
    </message>
    <message>
        <source>Arrange</source>
        <translation>Yerleşim</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Sola Hizala</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Sağa Hizala</translation>
    </message>
    <message>
        <source>Align Top</source>
        <translation>Üste Hizala</translation>
    </message>
    <message>
        <source>Align Bottom</source>
        <translation>Alta Hizala</translation>
    </message>
    <message>
        <source>Align Horizontal Centres</source>
        <translation>Yatay Ortalara Hizala</translation>
    </message>
    <message>
        <source>Align Vertical Centres</source>
        <translation>Dikey Ortalara Hizala</translation>
    </message>
    <message>
        <source>Distribute Horizontally</source>
        <translation>Yatay Dağıt</translation>
    </message>
    <message>
        <source>Distribute Vertically</source>
        <translation>Dikey Dağıt</translation>
    </message>
    <message>
        <source>Same Width</source>
        <translation>Aynı Genişlik</translation>
    </message>
    <message>
        <source>Same Height</source>
        <translation>Aynı Yükseklik</translation>
    </message>
    <message>
        <source>Same Size</source>
        <translation>Aynı Boyut</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiket</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tablo</translation>
    </message>
    <message>
        <source>Insert a label</source>
        <translation>Etiket ekle</translation>
    </message>
    <message>
        <source>Insert a barcode</source>
        <translation>Barkod ekle</translation>
    </message>
    <message>
        <source>Insert a group</source>
        <translation>Grup ekle</translation>
    </message>
    <message>
        <source>Insert a table</source>
        <translation>Tablo ekle</translation>
    </message>
    <message>
        <source>Insert a picture</source>
        <translation>Resim ekle</translation>
    </message>
    <message>
        <source>Insert Table</source>
        <translation>Tablo Ekle</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>Satırlar:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Sütunlar:</translation>
    </message>
    <message>
        <source>Click where the element goes; Escape cancels.</source>
        <translation>Öğenin konacağı yere tıklayın; Escape iptal eder.</translation>
    </message>
    <message>
        <source>No file was written</source>
        <translation>Hiçbir dosya yazılmadı</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 dosya</translation>
    </message>
    <message>
        <source>the design without data</source>
        <translation>verisiz tasarım</translation>
    </message>
    <message>
        <source>One sheet per page: each text in the cell of its row and column, numbers as numbers, tables as grids (.xlsx).</source>
        <translation>Her sayfa bir çalışma sayfası: her metin kendi satır ve sütununun hücresinde, sayılar sayı olarak, tablolar ızgara olarak (.xlsx).</translation>
        <source>Page &quot;%1&quot;:</source>
        <translation>&quot;%1&quot; sayfası:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ve %1 tane daha</translation>
    </message>
    <message>
        <source>These elements lie outside the paper:</source>
        <translation>Bu öğeler kağıdın dışında kalıyor:</translation>
    </message>
    <message>
        <source>The paper of page &quot;%1&quot; is now %2 mm.
Fit the page&apos;s panel to the new paper?</source>
        <translation>&quot;%1&quot; sayfasının kağıdı artık %2 mm.
Sayfanın paneli yeni kağıda uydurulsun mu?</translation>
    </message>
    <message>
        <source>The paper of %1 pages changed.
Fit each page&apos;s panel to its new paper?</source>
        <translation>%1 sayfanın kağıdı değişti.
Her sayfanın paneli yeni kağıdına uydurulsun mu?</translation>
    </message>
    <message>
        <source>Fit Panel to Paper</source>
        <translation>Paneli Kağıda Uydur</translation>
    </message>
    <message>
        <source>Data Fields</source>
        <translation>Veri Alanları</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>In group</source>
        <translation>Grupta</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Hücre</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Name the Selected Element</source>
        <translation>Seçili Öğeye Bu Adı Ver</translation>
    </message>
    <message>
        <source>the Data tab</source>
        <translation>Veri sekmesi</translation>
    </message>
    <message>
        <source>No data: open a data file in the Data tab, or keep one beside the design.</source>
        <translation>Veri yok: Veri sekmesinde bir veri dosyası açın ya da tasarımın yanına bir tane koyun.</translation>
    </message>
    <message>
        <source>The data (%1) names no element of page &quot;%2&quot;.</source>
        <translation>Veri (%1), &quot;%2&quot; sayfasının hiçbir öğesini adlandırmıyor.</translation>
    </message>
    <message>
        <source>Elements that the data (%1) names on page &quot;%2&quot;; double-click one to give the selected element its name.</source>
        <translation>Verinin (%1) &quot;%2&quot; sayfasında adlandırdığı öğeler; seçili öğeye adını vermek için birine çift tıklayın.</translation>
    </message>
    <message>
        <source>Only the first %1 names are listed.</source>
        <translation>Yalnızca ilk %1 ad listelenir.</translation>
    </message>
    <message>
        <source>An element of this page has this name.</source>
        <translation>Bu sayfanın bir öğesi bu adı taşıyor.</translation>
    </message>
    <message>
        <source>Select the element that takes the name &quot;%1&quot; first.</source>
        <translation>Önce &quot;%1&quot; adını alacak öğeyi seçin.</translation>
    </message>
    <message>
        <source>The data fills a %1 named &quot;%2&quot;; the selected element is a %3.</source>
        <translation>Veri &quot;%2&quot; adlı bir %1 öğesini dolduruyor; seçili öğe bir %3.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is already used on this page.</source>
        <translation>&quot;%1&quot; adı bu sayfada zaten kullanılıyor.</translation>
    </message>
    <message>
        <source>Its lines end in LF alone, and data files need CR LF.</source>
        <translation>Satırları yalnızca LF ile bitiyor; veri dosyaları CR LF gerektirir.</translation>
        <source>Show Grid</source>
        <translation>Izgarayı Göster</translation>
    </message>
    <message>
        <source>Snap to Grid</source>
        <translation>Izgaraya Yapıştır</translation>
    </message>
    <message>
        <source>Grid Step...</source>
        <translation>Izgara Aralığı...</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Izgara</translation>
    </message>
    <message>
        <source>Grid step:</source>
        <translation>Izgara aralığı:</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Sayfaya Sığdır</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Genişliğe Sığdır</translation>
    </message>
    <message>
        <source>Left %1, top %2, width %3, height %4 mm</source>
        <translation>Sol %1, üst %2, genişlik %3, yükseklik %4 mm</translation>
    </message>
</context>
</TS>
