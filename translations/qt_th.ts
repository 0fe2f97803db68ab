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
</TS>
