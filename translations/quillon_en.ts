<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BatchSender</name>
    <message>
        <source>Opted out: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAutomated_GSM_Sending</name>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Test Case Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Connection Troubleshooting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Selected Case for SMS Sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This test will suggest you the best suitable settings for your device for sending messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default SMSC :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom SMSC :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone No. :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDynamic_Excel_Msg</name>
    <message>
        <source>This option allows you to create dynamic and personalized message for each contact by using data in various excel columns.

Note:
1. Maximum of 10 Column in a single sheet are supported at a time.
2. Maximum of 50,000 records in a single sheet are supported.
3. Each message may be of maximum 1600 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic Message Import Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Numbers and their respective messages from EXCEL File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the basis of EXCEL file contents, create personalized Dynamic messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the column containing phone numbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the column containing messages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select Column(s) containing Mobile Numbers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S.No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coulmn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Represent as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show me an Example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please create dynamic message here :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the sheet containing phone numbers and data to create dynamic messages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the sheet containing phone numbers and messages:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExcel_Info_Dlg</name>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Excel Sheet To Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExclusion_Wizard</name>
    <message>
        <source>Exclusion List Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add All &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Remove All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude when sending SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusion List Name : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Exclusion Number from File :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Exclusion List Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusion Number :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text &amp; Excel Files (*.txt *.xls *.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExl_Msg_EG</name>
    <message>
        <source>Example of personalized Dynamic Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic message :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message received on %1 :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExport_Option</name>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Date :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export into Text File (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export into Html File (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export into Excel (97-2003) File (*.xls)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export into Excel File (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFill_Msg_In_List</name>
    <message>
        <source>Apply message to list items</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CInbox</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter by date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send selected items to SMS Composer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Messages : %1, unread %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device is confirmed. Confirm the devices in Device Settings to read their messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages read: %1 new from %2 device(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading messages, Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no message to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the messages to send to the composer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark as Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the messages to mark as read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CKORV_QuillonDlg</name>
    <message>
        <source>KORV Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Numbers and Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a number and press Enter to add it with the composer text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Contacts From File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import numbers and messages from a text file or an Excel workbook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add or Paste numbers Manually</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send unique or personalized SMS to every Contact using Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build each row&apos;s message from workbook columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or double-click edits a row, Delete clears the selected rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Selected Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the list to a text, HTML or Excel file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text that added numbers receive; at most 1600 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply this message to list items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the composer text into all, the selected or the blank rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusion List Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep lists of numbers that are never to receive messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the list and the composer and turn every option off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the list and the devices, then send every row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About KORV Quillon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;KORV Quillon %1&lt;/h3&gt;&lt;p&gt;Sends SMS in bulk through GSM modems and phones connected as serial ports.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message Composer :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SMS this text takes in PDU mode, and their alphabet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With &quot;Enable non-English (Unicode) characters support&quot; off, Send asks whether to send such rows as Unicode or with the nearest GSM letters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the statuses of the last sending run, as its journal kept them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared Outbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the list through the modems of other computers that share an outbox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The messages the modems received, with the last sent item to each sender.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SMS parts, time and cost the list would take.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLoad_File_Msg</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phone numbers-messages list already contains some data.

Press ‘Yes’ to continue with clearing the existing fields and replace with new data or press ‘No’ to append the new data in the existing list.

Do you want to clear the existing data in the list?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CManually_Multiple_Num_Add</name>
    <message>
        <source>Add or Paste numbers Manually</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPhone_List_Dlg</name>
    <message>
        <source>Search Modem
Device Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Selected Device 
to Send SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue without
Device Selection...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Modem Connection Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMSC No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMEI No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default SMSC No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUP SMS Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USE CUS SMSC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Connection Troubleshooting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuota_Dlg</name>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign Quota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quota assignments are set as per ideal circumstances. Actual quota may vary on the basis of network errors, retries attempts and other connectivity parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quota Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Messages :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quota Assigned :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Quota :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSMSException</name>
    <message>
        <source>Failed to receive a response from the modem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No confirmation from the modem; the message may have been sent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSMS_Sending</name>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSelected_Device_Details_GSM</name>
    <message>
        <source>Com Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMSC No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUP SMS Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default SMSC No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USE CUS SMSC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Connection Troubleshooting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSend_Msg_Info</name>
    <message>
        <source>Apply message to all list items </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply message only in blank list items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have made the changes in the text in message composer.

Do you want to update the messages in list items?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSent_Items</name>
    <message>
        <source>Sent Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send selected items to SMS Composer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send selected items to SMS Composer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Delivery Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading delivery reports, Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSpecialEdit</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUpdateTemp</name>
    <message>
        <source>Add Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUpdate_Ex_Num</name>
    <message>
        <source>Update Exclusion Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusion Number :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUpdate_Num_Message</name>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUpdate_Selected_Item_SMS</name>
    <message>
        <source>Update Selected Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Numbers List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CViewTemplates</name>
    <message>
        <source>Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing templates from file, Please wait ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CampaignPreviewDlg</name>
    <message>
        <source>Campaign Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price per SMS part:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace look-alike characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace curly quotes, dashes, special spaces, ellipses, bullets and accented letters by their GSM equivalents in the rows that then need no Unicode; nothing else changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send goes on without this window; it stays in the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the selected rows (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced in %1 rows: %2 parts fewer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColumnCheckList</name>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComposerParts</name>
    <message>
        <source>GSM 7-bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> with national tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 SMS, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComposerWarning</name>
    <message>
        <source>Not in the GSM alphabet: %1 (tick &quot;Enable non-English (Unicode) characters support&quot; or replace them)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionTest</name>
    <message>
        <source>Device connection test is in progress. To perform this operation either stop the current process or wait for the test to be completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Test for Device Connected at : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Test for Device Connected at : COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute Case %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initialize Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Connection Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device connection test process has not been completed yet. Are you sure you want to stop the process?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one connection settings for sending SMS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have selected &apos;%1&apos; settings for sending SMS using &apos;%2&apos; connected at %3.

Do you want to continue with selected settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected connection settings &apos;%1&apos; for device &apos;%2&apos; have been applied successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No test case has been executed yet on selected device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in file.

OR

There is not enough space on the disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Device Connection Status log file has been saved.<byte value="xd"/>
<byte value="xd"/>
If you are facing any difficulties in using the software or connecting the device with software, you can send this log file with the details of your problem to our support team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to clear the last connection test results performed on&apos;%1&apos;&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not selected any connection settings yet for device connected at %1.
Are you sure to continue?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DecimalFormat</name>
    <message>
        <source>Invalid number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeliveryMatcher</name>
    <message>
        <source>Pending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delivered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not delivered: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevicePanel</name>
    <message>
        <source>USB Modem Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Modem Connection Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here Quota Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the modems connected to this computer and choose the ones to send with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modem that sends, or &quot;All Device&quot; to share the list among every selected modem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set how many messages each modem sends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send by the quotas assigned to the modems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message mode, service centre, test message and connection test of the selected modems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No USB Modem Device is selected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceSettingsPanel</name>
    <message>
        <source>PDU Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom SMSC :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Test Message By Selected Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default SMSC :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone No. :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM PIN :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceText</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device has been selected. Please select a device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a valid device from list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either no USB Modem Device is connected on this port or selected device is not working properly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

OR

Device Connection Error : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Are you sure you want to continue without selecting device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SMSC number does not seem to be valid. Please enter a valid SMSC number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone number entered to receive test message does not seem to be valid. Please enter a valid phone number to receive test message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can find SMSC Number in ‘SMS Service Center’ Details in the SMS Settings of your USB Modem Device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default SMSC Number could not be located for this device.
Please enter and Save SMSC number manually in ‘Custom SMSC No.’ Field for this Device.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Correct SMS Service Center number starts with ‘+’ or ‘00’ before your country code (e.g. +65 or 0044). Contact your mobile service provider to know their SMSC number, if you cannot locate it in SMS Settings of you USB Modem Device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS Mode details should not be blanked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should not select more than 32 valid modem device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information:

You have selected ‘Text Mode’ for sending Messages.
Some Devices may not support non-English (Unicode) SMS using this mode.

If you face difficulties in sending Unicode SMS using ‘Text Mode’, select ‘PDU Mode’.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom SMSC No. save for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom SMSC No. reset for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message sent successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in opening clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DynamicExcelWizard</name>
    <message>
        <source>Browse the location of Excel file to import contact numbers and their respective SMS texts. 

Note:
1. Maximum of 50,000 records in a single sheet are supported at a time.
2. Each message may be of maximum 1600 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse the location of Excel file which you want to use to create dynamic and personalized message for each contact by using data of its various columns.

Note:
1. Maximum of 10 Column in a single sheet are supported at a time.
2. Maximum of 50,000 records in a single sheet are supported.
3. Each message may be of maximum 1600 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EnqueueOptions</name>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipients: a workbook (.xls, .xlsx), a text file of numbers with --message, or &quot;number&lt;TAB&gt;message&quot; lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message for every number of a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workbook sheet, from 1 (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workbook column of the numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workbook column of the messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The campaign the rows belong to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows of higher priority go first (default 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message type: standard or notification (flash).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the rows as Unicode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send no row before this time (ISO 8601, local time unless it names a zone).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExclusionSet</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExclusionWizard</name>
    <message>
        <source>Total Numbers : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available list is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a record from the available list to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected list is already in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All available lists are already in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Exclude when sending SMS&apos; list is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a record from &apos;Exclude when sending SMS&apos; list to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select only one record to update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected available list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter exclusion list name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered exclusion list name already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in file accessing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid phone number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered number already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusion number list is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one record from the exclusion number list to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a valid file path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either file is corrupted or selected file contains invalid characters.

OR

Numbers are skipped because of duplicate number already exits in the exclusion list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have made changes in exclusion number list that have not been saved yet.

Do you want to save the Changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have made changes in &apos;Exclude when sending SMS&apos; list that have not been saved yet.

Do you want to save the Changes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in file.

OR

There is not enough space on the disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 cell held more than %1 characters and was cut to %1, the most a workbook cell holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cells held more than %2 characters and were cut to %2, the most a workbook cell holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no item for selected Export Option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportOptionLogic</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End date should be greater than or equal to Start date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no record for selected duration.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportResultDialog</name>
    <message>
        <source>Open exported file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exporter</name>
    <message>
        <source>Phone Number and Message List has been exported successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of rows in table is greater than the capacity of MS Excel worksheet so remaining rows convert in new worksheet of same MS Excel File.

Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No application could be started to open the exported file. It is saved as:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusion Number List has been exported successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template Message List has been exported successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no item for selected Export Option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent Items have been exported successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no record for selected duration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inbox has been exported successfully.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FillMessageInList</name>
    <message>
        <source>Apply message to all list items </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply message only to selected list items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply message only in blank list items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This action will copy the message of composer box to all numbers in the list.

Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This action will copy the message of composer box to the selected numbers in the list. The messages of rest of the numbers remain unchanged.

Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This action will copy the message of composer box to the blank list items. The messages of rest of the numbers remain unchanged.

Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no blank message in the phone numbers-messages list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Total Records : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currently Reading : %1 / %2 Records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportProgressWindow</name>
    <message>
        <source>Dynamic Message Import Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number  :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading Excel Sheet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportText</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File does not exist on selected location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text &amp; Excel Files(*.txt;*.xls;*.xlsx)|*.txt;*.xls;*.xlsx||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Files(*.xls;*.xlsx)|*.xls;*.xlsx||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading contents of Excel sheet, Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InboxModel</name>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last sent item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowLogic</name>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to exit from KORV Quillon Software?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be opened: no application for it is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone numbers-Messages list is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last sending run stopped before it finished: %1 of its %2 messages have an outcome.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume the campaign?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sending run has been recorded yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n message(s) were being sent when it stopped; they are marked &quot;Outcome unknown&quot;.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n message(s) may have reached their recipients before the program stopped. Send them again?

No keeps them marked &quot;Outcome unknown&quot; and sends only the rows that have no outcome yet.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ManualNumberAdd</name>
    <message>
        <source>Total Rows : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No item to insert in list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModemCliSupport</name>
    <message>
        <source>Expected exactly one COM&lt;n&gt; argument.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: use COM1 to COM512.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModemScan</name>
    <message>
        <source>Terminating the current process will stop scanning modem device. Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning process for finding connected mobile devices has not been completed yet. Are you sure you want to stop the process?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No compatible device found connected to your computer.<byte value="xd"/>
<byte value="xd"/>
Please make sure that Drivers of your device are installed properly and the drivers that you installed are compatible with your operating system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some ports could not be opened because your account has no permission to use them, so they were not searched for a modem:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: belongs to the group &quot;%1&quot;. Add your account to it (for example &quot;sudo usermod -aG %1 $USER&quot;), log out and in again, and search again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A port could not be opened because your account has no permission to use it, so it was not searched for a modem:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: is not accessible to normal users; ask the administrator of this computer for access.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: are not accessible to normal users; ask the administrator of this computer for access.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: belong to the group &quot;%1&quot;. Add your account to it (for example &quot;sudo usermod -aG %1 $USER&quot;), log out and in again, and search again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Sending Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Notification&quot; messages are shown at once on the recipient&apos;s screen (flash SMS) and are not stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable non-English (Unicode) characters support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the text as UCS2, so every script can be used; a message then holds 70 characters instead of 160.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Duplicate Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refuse a number that is already in the list, and send to every number only once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delayed Delivery Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause all modems after every so many messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send as fast as each modem answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on as soon as a modem has answered instead of waiting the usual two seconds after every message part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry attempts on Failed SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the failed messages again, up to this many rounds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Exclusion Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refuse and skip the numbers of the exclusion lists in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Sent Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log every sent message in Sent Items.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save sent message to Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep every sent text as a template unless it is one already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all fields after sending SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the list, the number box and the composer once a run ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use national language tables where they save parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In PDU mode, a Unicode text that the Turkish, Spanish or Portuguese tables of the GSM alphabet carry goes in those tables when that takes fewer messages; phones without them may show some letters wrongly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request delivery reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask the network to report whether each message reached the phone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add numbers that reply STOP to an exclusion list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the modems&apos; messages between submissions; a number whose reply is one of the keywords goes to the list at once, and its rows not sent yet end &quot;Excluded.&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma-separated; a reply must be one of them as a whole, letter case and surrounding blanks ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created, and put in use, when it does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusion list :</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutboxCommands</name>
    <message>
        <source>The outbox: an SQLite file (default: Outbox.sqlite in the data folder) or postgresql://[user@][host][:port]/database[?host=/socket/folder].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutboxDatabase</name>
    <message>
        <source>The %1 database driver is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the outbox database: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The outbox was made by a newer version of the program (schema %1; this one knows %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outbox %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outbox: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutboxPush</name>
    <message>
        <source>Send through the shared outbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no recipient in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No shared outbox is set. Set its database address with &quot;Shared Outbox Settings&quot; first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the %1 rows of the list to the shared outbox? The computers that serve it send them; this computer&apos;s modems send none of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows were added to the shared outbox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was added to the shared outbox: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PauseSettings</name>
    <message>
        <source>%1 Second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Minute </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Minutes </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hour </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Hours </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewOptions</name>
    <message>
        <source>Recipients: a workbook (.xls, .xlsx), a text file of numbers with --message, or &quot;number&lt;TAB&gt;message&quot; lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message for a file of numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workbooks: the sheet from 1 (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workbooks: the number column from 1 (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workbooks: the message column from 1 (default 2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price of one SMS part (default: the one kept by the preview window).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace look-alike characters first, in the rows that then go whole in the GSM alphabet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable non-English (Unicode) characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use national language tables where they save parts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send as fast as each modem answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of modems sharing the rows (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modems send in text mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most messages each modem sends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause every N messages (with --pause-for).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause length as the main window lists it, e.g. &quot;10 Seconds&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuotaAssignment</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currently assigned SMS Quota is lesser than the Total number of Messages to be sent in your SMS list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The Total number of SMS in list is %1
But only %2 messages have been assigned to connected devices yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
%1 unassigned Messages in the SMS list will remain unsent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone numbers-Messages list is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option will clear the all assigned quota. Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currently assigned SMS Quota should not be greater than the Total number of Messages to be sent in your SMS list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quota of a device cannot be greater than the Total number of Messages (%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecipientCommands</name>
    <message>
        <source>This option will clear the entire list contents. Are you sure you want to continue clearing the entire list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to continue to reset?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecipientList</name>
    <message>
        <source>Please enter a valid phone number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered number already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered number is in exclusion list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Numbers : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone numbers-Messages list is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one record from the phone numbers-messages list to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter some text message.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectedMessagesUpdate</name>
    <message>
        <source>Total Selected Numbers : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This action will copy the above message to the selected numbers in the list. The messages of rest of the numbers remain unchanged.

Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendCommandOptions</name>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipients: a workbook (.xls, .xlsx), a text file of numbers with --message, or &quot;number&lt;TAB&gt;message&quot; lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message for every number of a text file of numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workbook sheet, from 1 (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workbook column of the numbers, from 1 (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workbook column of the messages, from 1 (default 2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send through this modem (repeatable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM&lt;n&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send through every port that answers as a modem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message mode of a port (default: PDU when it supports it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM&lt;n&gt;=pdu|text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom service centre of a port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM&lt;n&gt;=NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual quota of a port (quota management on).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM&lt;n&gt;=N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message type: standard or notification (flash).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable non-English (Unicode) characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send as fast as each modem answers (no designed waits beyond its answer).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry rounds also send the rows whose modem never confirmed them (they may have been sent already).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Duplicate Numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Exclusion Rules (the exclusion lists in use).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause every N messages (with --pause-for).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause length as the main window lists it, e.g. &quot;10 Seconds&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry rounds for failed messages, 1 to 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Sent Items.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save sent messages to Templates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run every designed wait N times faster (for simulated modems).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends every row of the file as the sending window does, printing the progress, then one line per row (number, current status, status, retry, and with --delivery-reports the delivery state) and the tally. Exits 0 when the run finished, whatever its rows&apos; outcomes. SIGINT or SIGTERM stops the run as the window&apos;s Stop does (the rows and the tally are still printed; exit 130 or 143); a second signal ends it at once. Every run keeps a journal in the data folder, from which --resume takes up a run that stopped before its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use national language tables where they save parts (PDU mode, with --unicode).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request delivery reports: every message part asks the network for a status report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --delivery-reports: after the run, wait up to SECONDS for the reports still out before the rows are printed. Reports that come later are read by &quot;quillon-cli reports&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without --unicode, rows with characters the GSM alphabet cannot carry are refused (nothing is sent; the default), sent as Unicode, or sent with the nearest GSM letters (&quot;?&quot; where none is near).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unicode|replace|refuse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take up the run that stopped without reaching its end (a crash, a power cut, a kill) from its journal: its rows and options, no --file. Rows with an outcome keep it; rows whose submission was under way get &quot;Error : Outcome unknown (the program stopped during the submission).&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --resume: send the rows whose outcome is unknown again (they may have been sent already).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add numbers that reply STOP to an exclusion list: replies are read between submissions and later rows to such a number end &quot;Excluded.&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The replies that opt out, comma-separated, each matched as a whole message with letter case and surrounding blanks ignored (default &quot;%1&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exclusion list the numbers go to, created (and put in use) when missing (default &quot;%1&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: quillon-cli send (--file FILE | --resume) (--port COM&lt;n&gt;... | --all) [OPTIONS]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendPreparation</name>
    <message>
        <source>Please use USB Modem Connection Wizard for finding device or establishing connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either USB Modem Device is not connected properly or No USB Modem Device is selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No quota assigned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please insert entered number to the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone numbers-Messages list is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid phone number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter some text message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No values have been selected in &apos;Delayed Delivery Options&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Device not connected properly or not functioning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device not connected properly or Device not functioning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to continue sending process with other connected device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check your Quota Management settings.

In your Quota Management Settings, No device or Selected Device has not been assigned sufficient quota to send sms.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendQueue</name>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent_item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendQueueModel</name>
    <message>
        <source>Delivery</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendSession</name>
    <message>
        <source>%1 holds no recipient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a phone number; skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no modem answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no modem to send with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the journal holds no unfinished run to resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resuming run %1: %2 rows, %3 with an outcome, %4 of them unknown, %5 to send; %6 sent-item records missing, %7 found written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; nothing sent. Send them with --non-gsm unicode or --non-gsm replace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; sent as Unicode: %1 SMS in place of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; sent with the nearest GSM letters (%1 without one as &quot;?&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendSettings</name>
    <message>
        <source>--file FILE is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes a number from 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port &quot;%1&quot; is not COM&lt;n&gt; with n from 1 to 512.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give either --port COM&lt;n&gt; (repeatable) or --all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most 32 ports can send at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mode takes COM&lt;n&gt;=pdu or COM&lt;n&gt;=text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--smsc takes COM&lt;n&gt;=NUMBER.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--smsc &quot;%1&quot; is not a phone number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quota takes COM&lt;n&gt;=N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quota takes COM&lt;n&gt;=N with N a count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--type is standard or notification.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pause-every and --pause-for go together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--retries takes a number from 1 to 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--clock-factor takes a positive number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--resend-unknown needs --resume.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--resume takes the rows from the journal: give no --file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--wait-reports takes a number of seconds from 0 to 604800.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--wait-reports needs --delivery-reports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--opt-out-keywords takes at least one keyword.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--opt-out-list &quot;%1&quot; cannot be a list name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--opt-out-keywords and --opt-out-list need --opt-out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--non-gsm is unicode, replace or refuse.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendingRun</name>
    <message numerus="yes">
        <source>%n message(s) got no confirmation from the modem and may have been sent already. Send them again in this retry round?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Sending Messages, Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending Process, Finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Populating Phone Numbers and Messages List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please do not operate your modem while message sending process is going on. Operating the modem functions during the messaging process may interrupt the execution and may result errors in process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pausing the process for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SentItemsLogic</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Items : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Items : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one record from the sent items list to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent items list is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option will clear the entire list contents. Are you sure you want to continue clearing the entire list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected sent items inserted in SMS Composer successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either file is corrupted or selected file contains invalid characters.

OR

Recipient number is skipped because of using &apos;Skip Duplicate Numbers&apos; or &apos;Exclusion List&apos; option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device is confirmed. Confirm the devices in Device Settings to read their delivery reports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delivery reports read: %1 from %2 device(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delivery</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SentItemsModel</name>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delivery</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServeFollowUp</name>
    <message>
        <source>The local inbox could not be read: long messages begun before this start may stay incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many received messages wait for the outbox: the one from %1 is left to the local inbox.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServeOptions</name>
    <message>
        <source>This instance&apos;s name in the outbox (default host:pid).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds a claimed row stays this instance&apos;s without a sign of life (default 60); another instance takes it after that.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows claimed at a time (default 4 per modem).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds between looks at an empty outbox (default 2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End when no row of the outbox is left to send by any instance.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SharedOutboxDialog</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared Outbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>postgresql://host/database or an SQLite file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computers that run &quot;quillon-cli serve&quot; on the same outbox share its rows among their modems; nothing is sent twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No shared outbox is set: Send uses this computer&apos;s modems only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding the rows to the shared outbox, Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Claimed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submitting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excluded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SilentModemRecovery</name>
    <message>
        <source>1 time-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 time-outs in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (COM%1 did not answer: %2; the port was opened again and the modem answers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (COM%1 did not answer: %2; it did not recover and takes no more messages)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimPinEntry</name>
    <message>
        <source>The SIM of this device does not ask for a PIN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device did not tell the state of its SIM.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A SIM PIN is 4 to 8 digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the SIM&apos;s last PIN try. A wrong PIN blocks the SIM, which then asks for its PUK.

Are you sure you want to enter this PIN?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SIM accepted the PIN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device did not answer; the try may have been counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SIM did not accept the PIN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SIM did not accept the PIN. Tries left: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimText</name>
    <message>
        <source>SIM PIN required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM PUK required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM not inserted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not registered on a network</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimulatorOptions</name>
    <message>
        <source>--profile needs PORT:ITEMS or all:ITEMS, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--ports DIR is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ports COM%1 to COM%2 are out of the range COM1 to COM%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--profile names COM%1, which is not simulated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusChoiceDialog</name>
    <message>
        <source>All Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Successfully sent items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Failed items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select any option to Export Sent items:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateListModel</name>
    <message>
        <source>Template Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplatesLogic</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Items : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template list is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type template message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entered template already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a template message from the template list to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select only one record to update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select at least one record from the template list to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option will clear the entire list contents. Are you sure you want to continue clearing the entire list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select only one record to use template.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a template message to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum characters limit is 1600.

Press ‘Yes’ to continue to composer window and it will show first 1600 characters of your message otherwise press ‘No’.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected template message has been moved to Message Composer window of Software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either file is corrupted or selected file contains invalid characters.

OR

Templates are skipped because of duplicate template already exits in the templates list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextSender</name>
    <message>
        <source>The modem&apos;s character sets cannot carry this text; send it in PDU mode.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitPopup</name>
    <message>
        <source>It may take a while, Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitTimer</name>
    <message>
        <source>Importing contacts from file, Please wait ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon-cli</name>
    <message>
        <source>print the PDUs PDU mode sends for a message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the device information of the modem on a port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send one message through the modem on a port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the recipient rows imported from a text file or workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>search every port for modems and print what was found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send a recipient file through one or more modems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: quillon-cli COMMAND [OPTIONS]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run quillon-cli COMMAND --help for a command&apos;s options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enter the SIM PIN of the modem on a port, once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the modems&apos; delivery reports and print each sent row&apos;s state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add a recipient file&apos;s rows to the shared outbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send the shared outbox&apos;s rows through this computer&apos;s modems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the shared outbox&apos;s rows and counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print or export the run journal, what became of each row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the SMS parts, time and cost sending a file would take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read the messages the modems received and print the inbox</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillon-modem-sim</name>
    <message>
        <source>Cannot open the log file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sim</name>
    <message>
        <source>Unbalanced double quote in profile &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile item %1 needs a number from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile item %1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown profile item &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a number from %2 to %3, not &quot;%4&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot; (see --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Example:
  quillon-modem-sim --ports /tmp/ports --modems 3 --log /tmp/air.jsonl \
      --profile 2:text-only --profile 3:cms-error=500,every=3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile item report needs PATTERN:delivered, expired, rejected or none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile item creg takes 0, 1, 2, 3 or 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: quillon-modem-sim --ports DIR [--modems N] [--first N] [--log FILE]
                         [--profile PORT:ITEMS]...

Simulates GSM modems on pseudo-terminals until SIGINT or SIGTERM. Each modem
gets the link DIR/COM&lt;n&gt; to its pty; point QUILLON_PORTS at DIR.

Each modem also reads the FIFO DIR/COM&lt;n&gt;.sms: every line written to it is a
message the network delivers to the modem, stored in &quot;SM&quot; and announced with
+CMTI once AT+CNMI asked for that (with cmt-direct, printed with +CMT instead):
  pdu HEX      an SMS-DELIVER as it is, SMSC field first
  sms from=NUMBER [coding=gsm|ucs2|8bit] [ref16] [parts=N,M,...] text=TEXT
               a message, split into concatenated parts when long (an 8-bit
               reference, 16-bit with ref16); parts= delivers only those parts,
               in that order. TEXT runs to the line end, \n for a line break;
               hex for 8bit. Unicode text goes as UCS2 unless coding says.
  e.g. echo &apos;sms from=+447700900123 text=STOP&apos; &gt; /tmp/ports/COM1.sms

  --ports DIR          folder for the COM&lt;n&gt; links (created when missing)
  --modems N           number of modems (default 1)
  --first N            port number of the first modem (default 1)
  --log FILE           append one JSON line per SMS sent (the simulated air)
  --profile PORT:ITEMS behaviour of the modem on COM&lt;PORT&gt; (or all:ITEMS for
                       every modem); ITEMS is a comma-separated list, a value
                       with a comma goes in double quotes. Repeatable; later
                       items win.
  --help               this text

Profile items:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  pdu-only | text-only      message modes the modem accepts (default: both)
  smsc=NUMBER               default SMSC (default +447785016005)
  no-smsc                   no default SMSC: AT+CSCA? answers &quot;&quot;, and a
                            message without an SMSC gets +CMS ERROR: 330
  smsc-ucs2                 the modem starts in character set UCS2, so
                            AT+CSCA? reports the SMSC in UCS2 hex
  charset=NAME              character set after power-on and AT&amp;F (IRA)
  charsets=A/B/...          sets AT+CSCS accepts (IRA/GSM/UCS2; also HEX,
                            8859-1)
  echo-off                  echo off after power-on and AT&amp;F
  cms-error=N[,every=K]     answer every K-th submission (default: all) with
                            +CMS ERROR: N
  latency=MS                wait MS milliseconds before every answer
  cmgs-latency=MS           wait MS milliseconds before a submission&apos;s result
                            instead (other answers keep latency)
  late=MS[,late-every=N]    every N-th answer (default: all) comes MS
                            milliseconds late instead
  trickle                   answers go out one byte at a time
  hang                      read everything, never answer (not even echo)
  echo-only                 echo commands, never answer
  vanish=K                  after K messages, disappear at the next command:
                            close the pty and remove the port link
  vanish-sent=K             disappear right after answering the K-th message
  urc=LINE[,urc-every=N]    send LINE (repeatable) after every N-th final
                            result, e.g. urc=RING or urc=&quot;+CSQ: 20,99&quot;
  urc-inside                the lines come inside answers, before the final
                            result line
  wedge=N[,wedge-stays]     after N messages since the port was opened, stop
                            answering (not even echo) until the port is
                            closed and opened again; with wedge-stays, for
                            good
  pin=CODE                  the SIM asks for this PIN (AT+CPIN?: SIM PIN);
                            three wrong ones block it (SIM PUK)
  puk=CODE, sim-puk         the SIM&apos;s PUK (12345678); sim-puk: it starts
                            blocked
  no-sim                    no SIM: AT+CPIN? answers +CME ERROR: 10
  no-cpinr                  AT+CPINR (PIN tries left) is not supported
  creg=STAT, not-registered AT+CREG?/AT+CGREG? stat once the SIM is ready
                            (0, 1, 2, 3 or 5; default 1); not-registered is
                            creg=0. Messages need a ready, registered SIM
  manufacturer=, model=, revision=, imei=, imsi=, operator=TEXT
                            identity answers (IMEI and IMSI differ per port)
  signal=RSSI               AT+CSQ rssi, 0-31 or 99 (default 20)
  battery=LEVEL, charging   AT+CBC charge level (default 80) and status
  undefined                 AT+GMI/GMM/GMR/GSN answer &quot;Undefined&quot;
  report=PATTERN:OUTCOME    the status report for destinations matching PATTERN
                            (* any characters; repeatable, first match wins):
                            delivered (the default), expired, rejected or none
  report-delay=MS           reports come MS milliseconds after the submission
                            (default 500), for messages that ask for one and
                            once AT+CNMI chose where reports go
  reports-stored            AT+CNMI offers stored reports (+CDSI, read with
                            AT+CMGL/AT+CMGR in &quot;SR&quot;) instead of routed +CDS
  storage=N                 places for received messages in &quot;SM&quot; (default
                            30); messages that come while it is full wait
                            until AT+CMGD frees a place
  silent-cmgd=N             the first N AT+CMGD get no answer and delete
                            nothing, as a modem that hangs mid-reading
  cmt-direct                received messages are printed with +CMT (PDU, or
                            text in text mode, with the long header and its
                            length for a text of several lines) instead of
                            stored; AT+CNMI? reports &lt;mt&gt; 2 whatever was set
  cmt-ack                   cmt-direct with message service 1 (AT+CSMS?):
                            each +CMT waits for AT+CNMA before the next one
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
