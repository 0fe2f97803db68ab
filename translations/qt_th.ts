<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Thai for the texts of Qt's own dialogs, buttons and menus that Morvane can show.
     Each source text is Qt 6.4's own, under the class that translates it. -->
<TS version="2.1" language="th_TH">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>บันทึกทั้งหมด</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>ใช่ทั้งหมด</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ไม่ใช่</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>ไม่ใช่ทั้งหมด</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>ยุติ</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ลองใหม่</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>ข้าม</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ไม่บันทึก</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ตั้งค่าใหม่</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>คืนค่าเริ่มต้น</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>ปิดโดยไม่บันทึก</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>แสดงรายละเอียด...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>ซ่อนรายละเอียด...</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>บันทึกใน:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>ย้อนกลับไปยังโฟลเดอร์ก่อนหน้า</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>ไปข้างหน้า</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>ไปยังโฟลเดอร์ถัดไป</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>โฟลเดอร์ระดับบน</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ไปยังโฟลเดอร์ระดับบน</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>สร้างโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>สร้างโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>มุมมองรายการ</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>เปลี่ยนเป็นมุมมองรายการ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>มุมมองรายละเอียด</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>เปลี่ยนเป็นมุมมองรายละเอียด</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>แถบด้านข้าง</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>รายการตำแหน่งและที่คั่นหน้า</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ชนิดไฟล์:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ชื่อไฟล์:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>โฟลเดอร์:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>เลือก</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>บันทึกเป็น</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>ค้นหาโฟลเดอร์</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>แสดงคอลัมน์</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>เปลี่ยนชื่อ</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>แสดงไฟล์ที่ซ่อนอยู่</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>โฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>โฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>นำออก</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>ไฟล์ทั้งหมด (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>ไฟล์ทั้งหมด (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>ตำแหน่งล่าสุด</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>มีไฟล์ %1 อยู่แล้ว
ต้องการแทนที่ไฟล์เดิมหรือไม่</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
ไม่พบไฟล์นี้
กรุณาตรวจสอบว่าพิมพ์ชื่อไฟล์ถูกต้อง</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
ไม่พบโฟลเดอร์นี้
กรุณาตรวจสอบว่าพิมพ์ชื่อโฟลเดอร์ถูกต้อง</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; ถูกป้องกันไม่ให้แก้ไข
ยังต้องการลบอยู่หรือไม่</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>ต้องการลบ &apos;%1&apos; ใช่หรือไม่</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>ลบโฟลเดอร์ไม่สำเร็จ</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>ขนาด</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ชนิด</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>ชนิด</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>วันที่แก้ไข</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>คอมพิวเตอร์</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>คอมพิวเตอร์ของฉัน</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ไดรฟ์</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ทางลัด</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>ทางลัด</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ไม่ทราบชนิด</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>เลิกทำ</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ตัด</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>วาง</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>เลิกทำ</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ตัด</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>วาง</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>คัดลอกที่อยู่ลิงก์</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>เลื่อนมาที่นี่</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>ซ้ายสุด</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>บนสุด</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>ขวาสุด</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>ล่างสุด</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>เลื่อนซ้ายหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>เลื่อนขึ้นหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>เลื่อนขวาหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>เลื่อนลงหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>เลื่อนซ้าย</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>เลื่อนขึ้น</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>เลื่อนขวา</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>เลื่อนลง</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>ตัวเลือก &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>ตัวเลือก &lt;&lt;</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>ทุกหน้า</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>เฉพาะหน้าคี่</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>เฉพาะหน้าคู่</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>พิมพ์ลงไฟล์ (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>ไฟล์ในเครื่องนี้</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>บันทึกเป็นไฟล์ PDF</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>ซ้ายไปขวา บนลงล่าง</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>ซ้ายไปขวา ล่างขึ้นบน</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>ขวาไปซ้าย บนลงล่าง</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>ขวาไปซ้าย ล่างขึ้นบน</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>บนลงล่าง ซ้ายไปขวา</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>บนลงล่าง ขวาไปซ้าย</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>ล่างขึ้นบน ซ้ายไปขวา</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>ล่างขึ้นบน ขวาไปซ้าย</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>ระบุหน้าไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>&quot;%1&quot; เขียนไม่ถูกรูปแบบ กรุณาใช้เครื่องหมาย , คั่นระหว่างหน้าหรือช่วงหน้า ใช้เครื่องหมาย - บอกช่วงหน้า และอย่าให้ช่วงหน้าซ้อนทับกัน</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>ตั้งค่าการพิมพ์สองหน้าขัดแย้งกัน</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>การตั้งค่าการพิมพ์สองหน้าขัดแย้งกัน ต้องการแก้ไขหรือไม่</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>ใช้ตัวเลือก &quot;จำนวนหน้าต่อแผ่น&quot; กับ &quot;หน้าที่จะพิมพ์&quot; พร้อมกันไม่ได้
กรุณาปิดตัวเลือกใดตัวเลือกหนึ่ง</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>แบบฟอร์ม</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>เครื่องพิมพ์</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>ชื่อ:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>คุณสมบัติ</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>ที่ตั้ง:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>ดูตัวอย่าง</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>รุ่น:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>ไฟล์ที่จะบันทึก:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Form</source>
        <translation>แบบฟอร์ม</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>สำเนา</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>ช่วงที่จะพิมพ์</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>พิมพ์ทั้งหมด</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>ตั้งแต่หน้า</translation>
    </message>
    <message>
        <source>to</source>
        <translation>ถึง</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>หน้า</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>ระบุหน้าหรือช่วงหน้าโดยคั่นด้วยเครื่องหมาย , ช่วงหน้าเขียนเป็นเลขสองตัวคั่นด้วยเครื่องหมาย - เช่น 3,5-7,9 จะพิมพ์หน้า 3, 5, 6, 7 และ 9</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>หน้าปัจจุบัน</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>ส่วนที่เลือก</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>หน้าที่จะพิมพ์:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>ตั้งค่าการพิมพ์</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>จำนวนสำเนา:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>เรียงเป็นชุด</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>เริ่มจากหน้าสุดท้าย</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>โหมดสี</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>พิมพ์สี</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>พิมพ์ขาวดำ</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>การพิมพ์สองหน้า</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>พิมพ์หน้าเดียว</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>เย็บเล่มด้านยาว</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>เย็บเล่มด้านสั้น</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>คุณสมบัติเครื่องพิมพ์</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>ตัวเลือกงานพิมพ์</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>ตั้งค่าหน้ากระดาษขัดแย้งกัน</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>การตั้งค่าหน้ากระดาษบางรายการขัดแย้งกัน ต้องการแก้ไขหรือไม่</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>ตัวเลือกขั้นสูงขัดแย้งกัน</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>ตัวเลือกขั้นสูงบางรายการขัดแย้งกัน ต้องการแก้ไขหรือไม่</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>แบบฟอร์ม</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>หน้ากระดาษ</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>ขั้นสูง</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>ตัวเลือกบางรายการขัดแย้งกัน กรุณาแก้ไขก่อน</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>แบบฟอร์ม</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>กระดาษ</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>ขนาดกระดาษ:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>กว้าง:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>สูง:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>ถาดกระดาษ:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>การวางแนว</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>แนวตั้ง</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>แนวนอน</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>แนวนอนกลับหัว</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>แนวตั้งกลับหัว</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>ระยะขอบ</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ขอบบน</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>ขอบซ้าย</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>ขอบขวา</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>ขอบล่าง</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>การจัดหน้า</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>ลำดับหน้า:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>จำนวนหน้าต่อแผ่น:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>มิลลิเมตร</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>พอยต์</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>นิ้ว</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>ไพกา</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>ดีโด</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>ซิเซโร</translation>
    </message>
    <message>
        <source>mm</source>
        <translation> มม.</translation>
    </message>
    <message>
        <source>pt</source>
        <translation> พอยต์</translation>
    </message>
    <message>
        <source>in</source>
        <translation> นิ้ว</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation> ไพกา</translation>
    </message>
    <message>
        <source>DD</source>
        <translation> ดีโด</translation>
    </message>
    <message>
        <source>CC</source>
        <translation> ซิเซโร</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>งานพิมพ์</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>การจัดการงานพิมพ์</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>เวลาที่จะพิมพ์:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>ข้อมูลสำหรับคิดค่าบริการ:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>ลำดับความสำคัญ:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>หน้าคั่นงานพิมพ์</translation>
    </message>
    <message>
        <source>Start:</source>
        <comment>Banner page at start</comment>
        <translation>ก่อนงาน:</translation>
    </message>
    <message>
        <source>End:</source>
        <comment>Banner page at end</comment>
        <translation>หลังงาน:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>พิมพ์ทันที</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>พักไว้จนกว่าจะสั่งพิมพ์</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>กลางวัน (06:00 ถึง 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>กลางคืน (18:00 ถึง 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>กะที่สอง (16:00 ถึง 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>กะที่สาม (00:00 ถึง 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>วันหยุดสุดสัปดาห์ (เสาร์ถึงอาทิตย์)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>ระบุเวลาเอง</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>มาตรฐาน</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>ไม่มีชั้นความลับ</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>ลับ</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>ปกปิด</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>ลับมาก</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>ลับที่สุด</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>เลื่อนไปทางซ้าย</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>เลื่อนไปทางขวา</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>A3 Extra</source>
        <translation>A3 ขยาย</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 ขยาย</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 ขยาย</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 ขยาย</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 พลัส</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 เล็ก</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter ขยาย</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter พลัส</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter เล็ก</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal ขยาย</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid ขยาย</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K ใหญ่</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>ไปรษณียบัตร</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>ไปรษณียบัตรคู่</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 นิ้ว</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7.25 x 10.5 นิ้ว)</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7.5 x 10 นิ้ว)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>กระดาษต่อเนื่องแบบเยอรมัน (8.5 x 12 นิ้ว)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>กระดาษต่อเนื่องแบบเยอรมัน Legal (8.5 x 13 นิ้ว)</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>กระดาษต่อเนื่องแบบอเมริกัน (14.875 x 11 นิ้ว)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8.27 x 13 นิ้ว)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>กำหนดเอง (%1 x %2 มม.)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>กำหนดเอง (%1 x %2 พอยต์)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>กำหนดเอง (%1 x %2 นิ้ว)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>กำหนดเอง (%1 x %2 ไพกา)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>กำหนดเอง (%1 x %2 ดีโด)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>กำหนดเอง (%1 x %2 ซิเซโร)</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>สถาปัตย์ A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>สถาปัตย์ B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>สถาปัตย์ C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>สถาปัตย์ D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>สถาปัตย์ E</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>ซองจดหมาย B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>ซองจดหมาย B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>ซองจดหมาย B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>ซองจดหมาย C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>ซองจดหมาย C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>ซองจดหมาย C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>ซองจดหมาย C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>ซองจดหมาย C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>ซองจดหมาย C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>ซองจดหมาย C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>ซองจดหมาย C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>ซองจดหมาย C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>ซองจดหมาย Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>ซองจดหมาย Chou 4</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>ซองจดหมาย DL</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>ซองจดหมาย Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>ซองจดหมาย Kaku 3</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>ซองจดหมาย Monarch</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>ซองจดหมาย PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>ซองจดหมาย PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>ซองจดหมาย PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>ซองจดหมาย PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>ซองจดหมาย PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>ซองจดหมาย PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>ซองจดหมาย PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>ซองจดหมาย PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>ซองจดหมาย PRC 9</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>ซองจดหมาย PRC 10</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>ซองจดหมาย US 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>ซองจดหมาย US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>ซองจดหมาย US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>ซองจดหมาย US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>ซองจดหมาย US 14</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>ซองการ์ดเชิญ</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>ซองจดหมายแบบอิตาลี</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>ซองจดหมายส่วนตัว</translation>
    </message>
</context>
</TS>
