<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="0">
        <source>English (United States)</source>
        <extracomment>Marker: the name of this language. A language without it is not offered.</extracomment>
        <translation>English (United States)</translation>
    </message>
    <message id="10">
        <source>DejaVu Sans</source>
        <extracomment>Font family for windows on older systems.</extracomment>
        <translation>DejaVu Sans</translation>
    </message>
    <message id="11">
        <source>Noto Sans</source>
        <extracomment>Font family for windows.</extracomment>
        <translation>Noto Sans</translation>
    </message>
    <message id="12">
        <source>DejaVu Sans</source>
        <extracomment>Font family used when the font of id 11 is not installed.</extracomment>
        <translation>DejaVu Sans</translation>
    </message>
    <message id="13">
        <source>Sans Serif</source>
        <extracomment>Font family used when the font of id 12 is not installed either (last resort).</extracomment>
        <translation>Sans Serif</translation>
    </message>
    <message id="14">
        <source>0</source>
        <extracomment>Character set number of the fonts (decimal).</extracomment>
        <translation>0</translation>
    </message>
    <message id="100">
        <source>The server settings could not be read. The editor continues with the default settings.</source>
        <translation>The server settings could not be read. The editor continues with the default settings.</translation>
    </message>
    <message id="101">
        <source>Drop the item on the Variable Name or Link Item box of the item page.</source>
        <extracomment>Status bar hint while an item is dragged.</extracomment>
        <translation>Drop the item on the Variable Name or Link Item box of the item page.</translation>
    </message>
    <message id="102">
        <source>The sampling rate must be a number. Correct it on the controller page first.</source>
        <translation>The sampling rate must be a number. Correct it on the controller page first.</translation>
    </message>
    <message id="104">
        <source>Enter the command line to run:</source>
        <extracomment>Prompt for the PellorCmd command line.</extracomment>
        <translation>Enter the command line to run:</translation>
    </message>
    <message id="105">
        <source>%1% Version %2%.%3%.%4%</source>
        <extracomment>Version box. %1%: program name; %2%, %3%, %4%: major, minor and revision number.</extracomment>
        <translation>%1% Version %2%.%3%.%4%</translation>
    </message>
    <message id="106">
        <source>Supports OPC Data Access 1.0a, 2.05a and 3.0.</source>
        <extracomment>Version box of the OPC variant, first extra line.</extracomment>
        <translation>Supports OPC Data Access 1.0a, 2.05a and 3.0.</translation>
    </message>
    <message id="107">
        <source>OPC is a trademark of the OPC Foundation.</source>
        <extracomment>Version box of the OPC variant, second extra line.</extracomment>
        <translation>OPC is a trademark of the OPC Foundation.</translation>
    </message>
    <message id="108">
        <source>This file holds a whole configuration document, not an exported controller. Open it with File &gt; Open instead.</source>
        <translation>This file holds a whole configuration document, not an exported controller. Open it with File &gt; Open instead.</translation>
    </message>
    <message id="109">
        <source>A controller named %1% already exists. Rename or delete it before importing this one.</source>
        <extracomment>%1%: controller name.</extracomment>
        <translation>A controller named %1% already exists. Rename or delete it before importing this one.</translation>
    </message>
    <message id="110">
        <source>The changes on the property page could not be stored.</source>
        <translation>The changes on the property page could not be stored.</translation>
    </message>
    <message id="112">
        <source>Configuration Files (*.plr)|*.plr|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of description and patterns, separated by |.</extracomment>
        <translation>Configuration Files (*.plr)|*.plr|All Files (*.*)|*.*</translation>
    </message>
    <message id="113">
        <source>Save Configuration As</source>
        <translation>Save Configuration As</translation>
    </message>
    <message id="114">
        <source>The server settings could not be saved.</source>
        <translation>The server settings could not be saved.</translation>
    </message>
    <message id="116">
        <source>The configuration document could not be saved.</source>
        <translation>The configuration document could not be saved.</translation>
    </message>
    <message id="119">
        <source>Configuration Files (*.plr)|*.plr|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of description and patterns, separated by |.</extracomment>
        <translation>Configuration Files (*.plr)|*.plr|All Files (*.*)|*.*</translation>
    </message>
    <message id="120">
        <source>Open Configuration</source>
        <translation>Open Configuration</translation>
    </message>
    <message id="121">
        <source>The chosen file does not exist.</source>
        <translation>The chosen file does not exist.</translation>
    </message>
    <message id="122">
        <source>The configuration document could not be read.</source>
        <translation>The configuration document could not be read.</translation>
    </message>
    <message id="123">
        <source>Enter the name of the new controller:</source>
        <translation>Enter the name of the new controller:</translation>
    </message>
    <message id="124">
        <source>Enter the name of the new item:</source>
        <translation>Enter the name of the new item:</translation>
    </message>
    <message id="125">
        <source>A name cannot contain the character %1%.</source>
        <extracomment>Adding: %1% is the refused character.</extracomment>
        <translation>A name cannot contain the character %1%.</translation>
    </message>
    <message id="126">
        <source>A name cannot contain the character %1%.</source>
        <extracomment>Adding: %1% is the refused character.</extracomment>
        <translation>A name cannot contain the character %1%.</translation>
    </message>
    <message id="127">
        <source>A name cannot contain the character %1%.</source>
        <extracomment>Adding: %1% is the refused character.</extracomment>
        <translation>A name cannot contain the character %1%.</translation>
    </message>
    <message id="128">
        <source>A name cannot contain the character %1%.</source>
        <extracomment>Adding: %1% is the refused character.</extracomment>
        <translation>A name cannot contain the character %1%.</translation>
    </message>
    <message id="129">
        <source>A name cannot contain the character %1%.</source>
        <extracomment>Adding: %1% is the refused character.</extracomment>
        <translation>A name cannot contain the character %1%.</translation>
    </message>
    <message id="130">
        <source>A name cannot be a number.</source>
        <translation>A name cannot be a number.</translation>
    </message>
    <message id="131">
        <source>A controller with this name already exists.</source>
        <translation>A controller with this name already exists.</translation>
    </message>
    <message id="133">
        <source>Select a controller, a group or an item to add the item to.</source>
        <translation>Select a controller, a group or an item to add the item to.</translation>
    </message>
    <message id="134">
        <source>An item with this name already exists at this place.</source>
        <translation>An item with this name already exists at this place.</translation>
    </message>
    <message id="136">
        <source>The new entry could not be added.</source>
        <translation>The new entry could not be added.</translation>
    </message>
    <message id="137">
        <source>Enter the new name:</source>
        <translation>Enter the new name:</translation>
    </message>
    <message id="138">
        <source>The new name cannot contain the character %1%.</source>
        <extracomment>Renaming: %1% is the refused character.</extracomment>
        <translation>The new name cannot contain the character %1%.</translation>
    </message>
    <message id="139">
        <source>The new name cannot contain the character %1%.</source>
        <extracomment>Renaming: %1% is the refused character.</extracomment>
        <translation>The new name cannot contain the character %1%.</translation>
    </message>
    <message id="140">
        <source>The new name cannot contain the character %1%.</source>
        <extracomment>Renaming: %1% is the refused character.</extracomment>
        <translation>The new name cannot contain the character %1%.</translation>
    </message>
    <message id="141">
        <source>The new name cannot contain the character %1%.</source>
        <extracomment>Renaming: %1% is the refused character.</extracomment>
        <translation>The new name cannot contain the character %1%.</translation>
    </message>
    <message id="142">
        <source>The new name cannot contain the character %1%.</source>
        <extracomment>Renaming: %1% is the refused character.</extracomment>
        <translation>The new name cannot contain the character %1%.</translation>
    </message>
    <message id="143">
        <source>This name is already used at this level of the tree.</source>
        <translation>This name is already used at this level of the tree.</translation>
    </message>
    <message id="145">
        <source>An item with this name already exists at this place.</source>
        <translation>An item with this name already exists at this place.</translation>
    </message>
    <message id="147">
        <source>The entry could not be renamed.</source>
        <translation>The entry could not be renamed.</translation>
    </message>
    <message id="148">
        <source>The controller could not be deleted.</source>
        <translation>The controller could not be deleted.</translation>
    </message>
    <message id="149">
        <source>The item could not be deleted.</source>
        <translation>The item could not be deleted.</translation>
    </message>
    <message id="150">
        <source>The entry could not be deleted.</source>
        <translation>The entry could not be deleted.</translation>
    </message>
    <message id="151">
        <source>Exported Controllers (*.plx)|*.plx|XML Files (*.xml)|*.xml|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of description and patterns, separated by |.</extracomment>
        <translation>Exported Controllers (*.plx)|*.plx|XML Files (*.xml)|*.xml|All Files (*.*)|*.*</translation>
    </message>
    <message id="152">
        <source>Import Controller</source>
        <translation>Import Controller</translation>
    </message>
    <message id="153">
        <source>The file could not be opened for reading.</source>
        <translation>The file could not be opened for reading.</translation>
    </message>
    <message id="154">
        <source>Exported Controllers (*.plx)|*.plx|XML Files (*.xml)|*.xml|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of description and patterns, separated by |.</extracomment>
        <translation>Exported Controllers (*.plx)|*.plx|XML Files (*.xml)|*.xml|All Files (*.*)|*.*</translation>
    </message>
    <message id="155">
        <source>Export Controller</source>
        <translation>Export Controller</translation>
    </message>
    <message id="156">
        <source>The service could not be started.</source>
        <translation>The service could not be started.</translation>
    </message>
    <message id="157">
        <source>The service could not be stopped.</source>
        <translation>The service could not be stopped.</translation>
    </message>
    <message id="158">
        <source>Untitled</source>
        <extracomment>Window title in place of the document path of a new document.</extracomment>
        <translation>Untitled</translation>
    </message>
    <message id="159">
        <source>The configuration has been changed. Do you want to save the changes?</source>
        <translation>The configuration has been changed. Do you want to save the changes?</translation>
    </message>
    <message id="160">
        <source>The clipboard still holds a copied controller or item. Do you want to empty the clipboard?</source>
        <translation>The clipboard still holds a copied controller or item. Do you want to empty the clipboard?</translation>
    </message>
    <message id="161">
        <source>Linked items: %1%</source>
        <extracomment>Tool tip of a tree item. %1%: its link string.</extracomment>
        <translation>Linked items: %1%</translation>
    </message>
    <message id="162">
        <source>The timeout must be a number from 0 to 30000.</source>
        <translation>The timeout must be a number from 0 to 30000.</translation>
    </message>
    <message id="163">
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of description and patterns, separated by |.</extracomment>
        <translation>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</translation>
    </message>
    <message id="164">
        <source>Log File</source>
        <translation>Log File</translation>
    </message>
    <message id="165">
        <source>Access Databases (*.mdb)|*.mdb|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of description and patterns, separated by |.</extracomment>
        <translation>Access Databases (*.mdb)|*.mdb|All Files (*.*)|*.*</translation>
    </message>
    <message id="166">
        <source>Database File</source>
        <translation>Database File</translation>
    </message>
    <message id="167">
        <source>The file could not be opened for reading.</source>
        <translation>The file could not be opened for reading.</translation>
    </message>
    <message id="168">
        <source>The data source cannot contain %1% or %2%. Enter further parameters in the Misc. box.</source>
        <extracomment>%1% and %2%: the refused characters.</extracomment>
        <translation>The data source cannot contain %1% or %2%. Enter further parameters in the Misc. box.</translation>
    </message>
    <message id="169">
        <source>Controller Details [%1%]</source>
        <extracomment>Window title. %1%: controller name.</extracomment>
        <translation>Controller Details [%1%]</translation>
    </message>
    <message id="170">
        <source>Programs (*.exe;*.bat;*.cmd)|*.exe;*.bat;*.cmd|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of description and patterns, separated by |.</extracomment>
        <translation>Programs (*.exe;*.bat;*.cmd)|*.exe;*.bat;*.cmd|All Files (*.*)|*.*</translation>
    </message>
    <message id="171">
        <source>File to Run</source>
        <translation>File to Run</translation>
    </message>
    <message id="172">
        <source>(No Action)</source>
        <extracomment>Trigger action.</extracomment>
        <translation>(No Action)</translation>
    </message>
    <message id="173">
        <source>Start</source>
        <extracomment>Trigger action.</extracomment>
        <translation>Start</translation>
    </message>
    <message id="174">
        <source>Stop</source>
        <extracomment>Trigger action.</extracomment>
        <translation>Stop</translation>
    </message>
    <message id="175">
        <source>1 time</source>
        <extracomment>Trigger action.</extracomment>
        <translation>1 time</translation>
    </message>
    <message id="176">
        <source>ShellExecute</source>
        <extracomment>Trigger action.</extracomment>
        <translation>ShellExecute</translation>
    </message>
    <message id="177">
        <source>(No Action)</source>
        <extracomment>Trigger action.</extracomment>
        <translation>(No Action)</translation>
    </message>
    <message id="178">
        <source>Start</source>
        <extracomment>Trigger action.</extracomment>
        <translation>Start</translation>
    </message>
    <message id="179">
        <source>Stop</source>
        <extracomment>Trigger action.</extracomment>
        <translation>Stop</translation>
    </message>
    <message id="180">
        <source>1 time</source>
        <extracomment>Trigger action.</extracomment>
        <translation>1 time</translation>
    </message>
    <message id="181">
        <source>ShellExecute</source>
        <extracomment>Trigger action.</extracomment>
        <translation>ShellExecute</translation>
    </message>
    <message id="182">
        <source>Complete the settings: the watchdog counter must be a number from 1 to 5, and a trigger needs an item and a comparison.</source>
        <translation>Complete the settings: the watchdog counter must be a number from 1 to 5, and a trigger needs an item and a comparison.</translation>
    </message>
    <message id="183">
        <source>Device Type</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>Device Type</translation>
    </message>
    <message id="184">
        <source>Manufacturer</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>Manufacturer</translation>
    </message>
    <message id="185">
        <source>Manufacturer URL</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>Manufacturer URL</translation>
    </message>
    <message id="186">
        <source>Model Description</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>Model Description</translation>
    </message>
    <message id="187">
        <source>Model Name</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>Model Name</translation>
    </message>
    <message id="188">
        <source>Model Number</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>Model Number</translation>
    </message>
    <message id="189">
        <source>Model URL</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>Model URL</translation>
    </message>
    <message id="190">
        <source>Serial Number</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>Serial Number</translation>
    </message>
    <message id="191">
        <source>UDN</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>UDN</translation>
    </message>
    <message id="192">
        <source>UPC</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>UPC</translation>
    </message>
    <message id="193">
        <source>Presentation URL</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>Presentation URL</translation>
    </message>
    <message id="194">
        <source>Name</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>Name</translation>
    </message>
    <message id="195">
        <source>Value</source>
        <extracomment>UPnP description grid.</extracomment>
        <translation>Value</translation>
    </message>
    <message id="196">
        <source>The value could not be written to the grid.</source>
        <translation>The value could not be written to the grid.</translation>
    </message>
    <message id="197">
        <source>A value can be at most 255 characters long.</source>
        <translation>A value can be at most 255 characters long.</translation>
    </message>
    <message id="198">
        <source>Select import items.</source>
        <translation>Select import items.</translation>
    </message>
    <message id="199">
        <source>Import - </source>
        <extracomment>Window title, followed by the controller name.</extracomment>
        <translation>Import - </translation>
    </message>
    <message id="200">
        <source>Select export items.</source>
        <translation>Select export items.</translation>
    </message>
    <message id="201">
        <source>Export - </source>
        <extracomment>Window title, followed by the controller name.</extracomment>
        <translation>Export - </translation>
    </message>
    <message id="202">
        <source>The items have been imported.</source>
        <translation>The items have been imported.</translation>
    </message>
    <message id="203">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="204">
        <source>The items have been exported.</source>
        <translation>The items have been exported.</translation>
    </message>
    <message id="205">
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message id="206">
        <source>The operation failed. Check the file and the chosen columns, then try again.</source>
        <translation>The operation failed. Check the file and the chosen columns, then try again.</translation>
    </message>
    <message id="207">
        <source>Import Export</source>
        <translation>Import Export</translation>
    </message>
    <message id="208">
        <source>The item %1% already exists. Do you want to overwrite it?

Hold down the Shift key while answering to give the same answer for all remaining items.</source>
        <extracomment>%1%: item name.</extracomment>
        <translation>The item %1% already exists. Do you want to overwrite it?

Hold down the Shift key while answering to give the same answer for all remaining items.</translation>
    </message>
    <message id="209">
        <source>Hold down the Shift key while answering to give the same answer for all remaining items.</source>
        <translation>Hold down the Shift key while answering to give the same answer for all remaining items.</translation>
    </message>
    <message id="210">
        <source>Item Exists</source>
        <translation>Item Exists</translation>
    </message>
    <message id="211">
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of description and patterns, separated by |.</extracomment>
        <translation>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*</translation>
    </message>
    <message id="212">
        <source>Export to CSV File</source>
        <translation>Export to CSV File</translation>
    </message>
    <message id="213">
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <extracomment>File dialog filter: pairs of description and patterns, separated by |.</extracomment>
        <translation>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*</translation>
    </message>
    <message id="214">
        <source>Import from CSV File</source>
        <translation>Import from CSV File</translation>
    </message>
    <message id="215">
        <source>The CSV file could not be opened for reading.</source>
        <translation>The CSV file could not be opened for reading.</translation>
    </message>
    <message id="216">
        <source>Item Details [%1% - %2%]</source>
        <extracomment>Window title. %1%: controller name; %2%: item name.</extracomment>
        <translation>Item Details [%1% - %2%]</translation>
    </message>
    <message id="217">
        <source>Loading the configuration document...</source>
        <translation>Loading the configuration document...</translation>
    </message>
    <message id="218">
        <source>Saving the configuration document...</source>
        <translation>Saving the configuration document...</translation>
    </message>
    <message id="219">
        <source>The clipboard is not open.</source>
        <translation>The clipboard is not open.</translation>
    </message>
    <message id="220">
        <source>The clipboard could not be opened. Another program may be using it.</source>
        <translation>The clipboard could not be opened. Another program may be using it.</translation>
    </message>
    <message id="221">
        <source>The CSV file is empty or its header line cannot be read.</source>
        <translation>The CSV file is empty or its header line cannot be read.</translation>
    </message>
    <message id="222">
        <source>Standard Table</source>
        <extracomment>History table type.</extracomment>
        <translation>Standard Table</translation>
    </message>
    <message id="223">
        <source>Table per Controller</source>
        <extracomment>History table type.</extracomment>
        <translation>Table per Controller</translation>
    </message>
    <message id="224">
        <source>Table per Item</source>
        <extracomment>History table type.</extracomment>
        <translation>Table per Item</translation>
    </message>
    <message id="225">
        <source>Idle</source>
        <extracomment>Thread priority of a controller.</extracomment>
        <translation>Idle</translation>
    </message>
    <message id="226">
        <source>Lowest</source>
        <extracomment>Thread priority of a controller.</extracomment>
        <translation>Lowest</translation>
    </message>
    <message id="227">
        <source>Below Normal</source>
        <extracomment>Thread priority of a controller.</extracomment>
        <translation>Below Normal</translation>
    </message>
    <message id="228">
        <source>Normal</source>
        <extracomment>Thread priority of a controller.</extracomment>
        <translation>Normal</translation>
    </message>
    <message id="229">
        <source>Above Normal</source>
        <extracomment>Thread priority of a controller.</extracomment>
        <translation>Above Normal</translation>
    </message>
    <message id="230">
        <source>Highest</source>
        <extracomment>Thread priority of a controller.</extracomment>
        <translation>Highest</translation>
    </message>
    <message id="231">
        <source>Time Critical</source>
        <extracomment>Thread priority of a controller.</extracomment>
        <translation>Time Critical</translation>
    </message>
    <message id="232">
        <source>None</source>
        <extracomment>Source of the time stamp.</extracomment>
        <translation>None</translation>
    </message>
    <message id="233">
        <source>Controller</source>
        <extracomment>Source of the time stamp.</extracomment>
        <translation>Controller</translation>
    </message>
    <message id="234">
        <source>Server</source>
        <extracomment>Source of the time stamp.</extracomment>
        <translation>Server</translation>
    </message>
    <message id="235">
        <source>Server (UTC)</source>
        <extracomment>Source of the time stamp.</extracomment>
        <translation>Server (UTC)</translation>
    </message>
    <message id="236">
        <source>Controller</source>
        <extracomment>Variable class.</extracomment>
        <translation>Controller</translation>
    </message>
    <message id="237">
        <source>Task</source>
        <extracomment>Variable class.</extracomment>
        <translation>Task</translation>
    </message>
    <message id="238">
        <source>Robot</source>
        <extracomment>Variable class.</extracomment>
        <translation>Robot</translation>
    </message>
    <message id="239">
        <source>File</source>
        <extracomment>Variable class.</extracomment>
        <translation>File</translation>
    </message>
    <message id="240">
        <source>Read/Write</source>
        <extracomment>Access attribute of an item.</extracomment>
        <translation>Read/Write</translation>
    </message>
    <message id="241">
        <source>Read Only</source>
        <extracomment>Access attribute of an item.</extracomment>
        <translation>Read Only</translation>
    </message>
    <message id="242">
        <source>Write Only</source>
        <extracomment>Access attribute of an item.</extracomment>
        <translation>Write Only</translation>
    </message>
    <message id="243">
        <source>VT_BOOL</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_BOOL</translation>
    </message>
    <message id="244">
        <source>VT_I1</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_I1</translation>
    </message>
    <message id="245">
        <source>VT_UI1</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_UI1</translation>
    </message>
    <message id="246">
        <source>VT_I2</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_I2</translation>
    </message>
    <message id="247">
        <source>VT_UI2</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_UI2</translation>
    </message>
    <message id="248">
        <source>VT_I4</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_I4</translation>
    </message>
    <message id="249">
        <source>VT_UI4</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_UI4</translation>
    </message>
    <message id="250">
        <source>VT_R4</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_R4</translation>
    </message>
    <message id="251">
        <source>VT_R8</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_R8</translation>
    </message>
    <message id="252">
        <source>VT_BSTR</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_BSTR</translation>
    </message>
    <message id="253">
        <source>VT_DATE</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_DATE</translation>
    </message>
    <message id="254">
        <source>VT_CY</source>
        <extracomment>Type of the initial data.</extracomment>
        <translation>VT_CY</translation>
    </message>
    <message id="255">
        <source>Off</source>
        <extracomment>Force to change.</extracomment>
        <translation>Off</translation>
    </message>
    <message id="256">
        <source>On Every Sampling</source>
        <extracomment>Force to change.</extracomment>
        <translation>On Every Sampling</translation>
    </message>
    <message id="257">
        <source>Once at Start</source>
        <extracomment>Force to change.</extracomment>
        <translation>Once at Start</translation>
    </message>
    <message id="258">
        <source>Idle</source>
        <extracomment>Process priority.</extracomment>
        <translation>Idle</translation>
    </message>
    <message id="259">
        <source>Normal</source>
        <extracomment>Process priority.</extracomment>
        <translation>Normal</translation>
    </message>
    <message id="260">
        <source>High</source>
        <extracomment>Process priority.</extracomment>
        <translation>High</translation>
    </message>
    <message id="261">
        <source>Realtime</source>
        <extracomment>Process priority.</extracomment>
        <translation>Realtime</translation>
    </message>
    <message id="262">
        <source>Console</source>
        <extracomment>Log type.</extracomment>
        <translation>Console</translation>
    </message>
    <message id="263">
        <source>Message Box</source>
        <extracomment>Log type.</extracomment>
        <translation>Message Box</translation>
    </message>
    <message id="264">
        <source>Event Viewer</source>
        <extracomment>Log type.</extracomment>
        <translation>Event Viewer</translation>
    </message>
    <message id="265">
        <source>Debug Viewer</source>
        <extracomment>Log type.</extracomment>
        <translation>Debug Viewer</translation>
    </message>
    <message id="266">
        <source>Text File</source>
        <extracomment>Log type.</extracomment>
        <translation>Text File</translation>
    </message>
    <message id="267">
        <source>DEBUG</source>
        <extracomment>Log level.</extracomment>
        <translation>DEBUG</translation>
    </message>
    <message id="268">
        <source>INFO</source>
        <extracomment>Log level.</extracomment>
        <translation>INFO</translation>
    </message>
    <message id="269">
        <source>WARN</source>
        <extracomment>Log level.</extracomment>
        <translation>WARN</translation>
    </message>
    <message id="270">
        <source>ERROR</source>
        <extracomment>Log level.</extracomment>
        <translation>ERROR</translation>
    </message>
    <message id="271">
        <source>FATAL</source>
        <extracomment>Log level.</extracomment>
        <translation>FATAL</translation>
    </message>
    <message id="272">
        <source>(No Action)</source>
        <extracomment>Watchdog action.</extracomment>
        <translation>(No Action)</translation>
    </message>
    <message id="273">
        <source>Stop</source>
        <extracomment>Watchdog action.</extracomment>
        <translation>Stop</translation>
    </message>
    <message id="274">
        <source>VT_BOOL</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_BOOL</translation>
    </message>
    <message id="275">
        <source>VT_I1</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_I1</translation>
    </message>
    <message id="276">
        <source>VT_UI1</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_UI1</translation>
    </message>
    <message id="277">
        <source>VT_I2</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_I2</translation>
    </message>
    <message id="278">
        <source>VT_UI2</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_UI2</translation>
    </message>
    <message id="279">
        <source>VT_I4</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_I4</translation>
    </message>
    <message id="280">
        <source>VT_UI4</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_UI4</translation>
    </message>
    <message id="281">
        <source>VT_R4</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_R4</translation>
    </message>
    <message id="282">
        <source>VT_R8</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_R8</translation>
    </message>
    <message id="283">
        <source>VT_BSTR</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_BSTR</translation>
    </message>
    <message id="284">
        <source>VT_DATE</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_DATE</translation>
    </message>
    <message id="285">
        <source>VT_CY</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_CY</translation>
    </message>
    <message id="286">
        <source>VT_VARIANT</source>
        <extracomment>Request type (read).</extracomment>
        <translation>VT_VARIANT</translation>
    </message>
    <message id="287">
        <source>VT_BOOL</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_BOOL</translation>
    </message>
    <message id="288">
        <source>VT_I1</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_I1</translation>
    </message>
    <message id="289">
        <source>VT_UI1</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_UI1</translation>
    </message>
    <message id="290">
        <source>VT_I2</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_I2</translation>
    </message>
    <message id="291">
        <source>VT_UI2</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_UI2</translation>
    </message>
    <message id="292">
        <source>VT_I4</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_I4</translation>
    </message>
    <message id="293">
        <source>VT_UI4</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_UI4</translation>
    </message>
    <message id="294">
        <source>VT_R4</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_R4</translation>
    </message>
    <message id="295">
        <source>VT_R8</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_R8</translation>
    </message>
    <message id="296">
        <source>VT_BSTR</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_BSTR</translation>
    </message>
    <message id="297">
        <source>VT_DATE</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_DATE</translation>
    </message>
    <message id="298">
        <source>VT_CY</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_CY</translation>
    </message>
    <message id="299">
        <source>VT_VARIANT</source>
        <extracomment>Request type (write).</extracomment>
        <translation>VT_VARIANT</translation>
    </message>
    <message id="300">
        <source>VT_BOOL</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_BOOL</translation>
    </message>
    <message id="301">
        <source>VT_I1</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_I1</translation>
    </message>
    <message id="302">
        <source>VT_UI1</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_UI1</translation>
    </message>
    <message id="303">
        <source>VT_I2</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_I2</translation>
    </message>
    <message id="304">
        <source>VT_UI2</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_UI2</translation>
    </message>
    <message id="305">
        <source>VT_I4</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_I4</translation>
    </message>
    <message id="306">
        <source>VT_UI4</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_UI4</translation>
    </message>
    <message id="307">
        <source>VT_R4</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_R4</translation>
    </message>
    <message id="308">
        <source>VT_R8</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_R8</translation>
    </message>
    <message id="309">
        <source>VT_BSTR</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_BSTR</translation>
    </message>
    <message id="310">
        <source>VT_DATE</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_DATE</translation>
    </message>
    <message id="311">
        <source>VT_CY</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_CY</translation>
    </message>
    <message id="312">
        <source>VT_VARIANT</source>
        <extracomment>Data type.</extracomment>
        <translation>VT_VARIANT</translation>
    </message>
    <message id="313">
        <source>Program</source>
        <extracomment>Variable class.</extracomment>
        <translation>Program</translation>
    </message>
    <message id="314">
        <source>(NOP)</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>(NOP)</translation>
    </message>
    <message id="315">
        <source>+</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>+</translation>
    </message>
    <message id="316">
        <source>-</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>-</translation>
    </message>
    <message id="317">
        <source>*</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>*</translation>
    </message>
    <message id="318">
        <source>/</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>/</translation>
    </message>
    <message id="319">
        <source>MOD</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>MOD</translation>
    </message>
    <message id="320">
        <source>AND</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>AND</translation>
    </message>
    <message id="321">
        <source>OR</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>OR</translation>
    </message>
    <message id="322">
        <source>XOR</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>XOR</translation>
    </message>
    <message id="323">
        <source>&lt;&lt;</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>&lt;&lt;</translation>
    </message>
    <message id="324">
        <source>&gt;&gt;</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>&gt;&gt;</translation>
    </message>
    <message id="325">
        <source>=</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>=</translation>
    </message>
    <message id="326">
        <source>&lt;&gt;</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>&lt;&gt;</translation>
    </message>
    <message id="327">
        <source>&lt;=</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>&lt;=</translation>
    </message>
    <message id="328">
        <source>&lt;</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>&lt;</translation>
    </message>
    <message id="329">
        <source>&gt;=</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>&gt;=</translation>
    </message>
    <message id="330">
        <source>&gt;</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>&gt;</translation>
    </message>
    <message id="331">
        <source>CAT</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>CAT</translation>
    </message>
    <message id="332">
        <source>IDIV</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>IDIV</translation>
    </message>
    <message id="333">
        <source>IMP</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>IMP</translation>
    </message>
    <message id="334">
        <source>POW</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>POW</translation>
    </message>
    <message id="335">
        <source>ABS</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>ABS</translation>
    </message>
    <message id="336">
        <source>FIX</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>FIX</translation>
    </message>
    <message id="337">
        <source>INT</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>INT</translation>
    </message>
    <message id="338">
        <source>NEG</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>NEG</translation>
    </message>
    <message id="339">
        <source>NOT</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>NOT</translation>
    </message>
    <message id="340">
        <source>RAD2DEG</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>RAD2DEG</translation>
    </message>
    <message id="341">
        <source>DEG2RAD</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>DEG2RAD</translation>
    </message>
    <message id="342">
        <source>SQRT</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>SQRT</translation>
    </message>
    <message id="343">
        <source>MIN</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>MIN</translation>
    </message>
    <message id="344">
        <source>MAX</source>
        <extracomment>Calculation operator.</extracomment>
        <translation>MAX</translation>
    </message>
    <message id="345">
        <source>Only alias items can be pasted into an alias controller or its groups.</source>
        <translation>Only alias items can be pasted into an alias controller or its groups.</translation>
    </message>
    <message id="347">
        <source>The selected entry could not be shown on the property pages.</source>
        <translation>The selected entry could not be shown on the property pages.</translation>
    </message>
    <message id="348">
        <source>Enter the name of the new group:</source>
        <translation>Enter the name of the new group:</translation>
    </message>
    <message id="349">
        <source>The controller already has a group or an item with this name.</source>
        <translation>The controller already has a group or an item with this name.</translation>
    </message>
    <message id="350">
        <source>The group could not be deleted.</source>
        <translation>The group could not be deleted.</translation>
    </message>
    <message id="351">
        <source>This controller is not a KESTRIN robot controller. Choose the Palisk or Tarvik provider to edit it here.</source>
        <translation>This controller is not a KESTRIN robot controller. Choose the Palisk or Tarvik provider to edit it here.</translation>
    </message>
    <message id="352">
        <source>The controller of this item is not a KESTRIN robot controller.</source>
        <translation>The controller of this item is not a KESTRIN robot controller.</translation>
    </message>
    <message id="353">
        <source>&amp;Next &gt;</source>
        <extracomment>Wizard button on the first page.</extracomment>
        <translation>&amp;Next &gt;</translation>
    </message>
    <message id="354">
        <source>&amp;Finish</source>
        <extracomment>Wizard button on the last page.</extracomment>
        <translation>&amp;Finish</translation>
    </message>
    <message id="355">
        <source>Choose a variable class and kind that the controller offers, and enter the variable number.</source>
        <translation>Choose a variable class and kind that the controller offers, and enter the variable number.</translation>
    </message>
    <message id="356">
        <source>Controller</source>
        <extracomment>Robot variable class.</extracomment>
        <translation>Controller</translation>
    </message>
    <message id="357">
        <source>Task</source>
        <extracomment>Robot variable class.</extracomment>
        <translation>Task</translation>
    </message>
    <message id="358">
        <source>Robot</source>
        <extracomment>Robot variable class.</extracomment>
        <translation>Robot</translation>
    </message>
    <message id="359">
        <source>File</source>
        <extracomment>Robot variable class.</extracomment>
        <translation>File</translation>
    </message>
    <message id="360">
        <source>Program</source>
        <extracomment>Robot variable class.</extracomment>
        <translation>Program</translation>
    </message>
    <message id="361">
        <source>(No variables)</source>
        <extracomment>The only entry of the kind list of a class without variables.</extracomment>
        <translation>(No variables)</translation>
    </message>
    <message id="362">
        <source>Integer variable</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Integer variable</translation>
    </message>
    <message id="363">
        <source>Single-precision real variable</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Single-precision real variable</translation>
    </message>
    <message id="364">
        <source>Vector variable (X, Y, Z)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Vector variable (X, Y, Z)</translation>
    </message>
    <message id="365">
        <source>Position variable (X, Y, Z, RX, RY, RZ, figure)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Position variable (X, Y, Z, RX, RY, RZ, figure)</translation>
    </message>
    <message id="366">
        <source>Joint variable (angles of the axes)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Joint variable (angles of the axes)</translation>
    </message>
    <message id="367">
        <source>Double-precision real variable</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Double-precision real variable</translation>
    </message>
    <message id="368">
        <source>Transformation variable (position and posture)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Transformation variable (position and posture)</translation>
    </message>
    <message id="369">
        <source>String variable</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>String variable</translation>
    </message>
    <message id="370">
        <source>Input/output bit</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Input/output bit</translation>
    </message>
    <message id="371">
        <source>Tool definition</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Tool definition</translation>
    </message>
    <message id="372">
        <source>Area definition</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Area definition</translation>
    </message>
    <message id="373">
        <source>Work coordinates definition</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Work coordinates definition</translation>
    </message>
    <message id="374">
        <source>Input word</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Input word</translation>
    </message>
    <message id="375">
        <source>Output word</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Output word</translation>
    </message>
    <message id="376">
        <source>Interpolation parameter</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Interpolation parameter</translation>
    </message>
    <message id="377">
        <source>Program execution parameter</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Program execution parameter</translation>
    </message>
    <message id="378">
        <source>Digital input/output parameter</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Digital input/output parameter</translation>
    </message>
    <message id="379">
        <source>Arm parameter</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Arm parameter</translation>
    </message>
    <message id="380">
        <source>Servo parameter</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Servo parameter</translation>
    </message>
    <message id="381">
        <source>Speed parameter</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Speed parameter</translation>
    </message>
    <message id="382">
        <source>Vision parameter</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Vision parameter</translation>
    </message>
    <message id="383">
        <source>Communication parameter</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Communication parameter</translation>
    </message>
    <message id="384">
        <source>Current date and time of the controller</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current date and time of the controller</translation>
    </message>
    <message id="385">
        <source>Free user memory (bytes)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Free user memory (bytes)</translation>
    </message>
    <message id="386">
        <source>True while the controller works normally</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while the controller works normally</translation>
    </message>
    <message id="387">
        <source>True in automatic mode</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True in automatic mode</translation>
    </message>
    <message id="388">
        <source>Operation mode of the controller</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Operation mode of the controller</translation>
    </message>
    <message id="389">
        <source>True while a program runs</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while a program runs</translation>
    </message>
    <message id="390">
        <source>True while the emergency stop is pressed</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while the emergency stop is pressed</translation>
    </message>
    <message id="391">
        <source>Code of the current error</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Code of the current error</translation>
    </message>
    <message id="392">
        <source>Description of the current error</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Description of the current error</translation>
    </message>
    <message id="395">
        <source>Version of the controller software</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Version of the controller software</translation>
    </message>
    <message id="396">
        <source>Serial number of the controller</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Serial number of the controller</translation>
    </message>
    <message id="397">
        <source>State of the task (stopped, running, suspended)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>State of the task (stopped, running, suspended)</translation>
    </message>
    <message id="398">
        <source>Priority of the task</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Priority of the task</translation>
    </message>
    <message id="399">
        <source>Program line being executed</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Program line being executed</translation>
    </message>
    <message id="400">
        <source>Cycle time of the task (ms)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Cycle time of the task (ms)</translation>
    </message>
    <message id="401">
        <source>Starts the task when written</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Starts the task when written</translation>
    </message>
    <message id="402">
        <source>Stops the task when written</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Stops the task when written</translation>
    </message>
    <message id="403">
        <source>Current position of the robot</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current position of the robot</translation>
    </message>
    <message id="404">
        <source>Current angles of the axes</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current angles of the axes</translation>
    </message>
    <message id="405">
        <source>Current position as a transformation</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current position as a transformation</translation>
    </message>
    <message id="406">
        <source>True while the motors are on</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while the motors are on</translation>
    </message>
    <message id="407">
        <source>True when the robot must return to its origin</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True when the robot must return to its origin</translation>
    </message>
    <message id="408">
        <source>True while the robot moves</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while the robot moves</translation>
    </message>
    <message id="409">
        <source>Type name of the robot</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Type name of the robot</translation>
    </message>
    <message id="410">
        <source>Type number of the robot</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Type number of the robot</translation>
    </message>
    <message id="411">
        <source>Number of the active tool</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of the active tool</translation>
    </message>
    <message id="412">
        <source>Number of the active work coordinates</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of the active work coordinates</translation>
    </message>
    <message id="413">
        <source>Internal speed (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal speed (%)</translation>
    </message>
    <message id="414">
        <source>Internal acceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal acceleration (%)</translation>
    </message>
    <message id="415">
        <source>Internal deceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal deceleration (%)</translation>
    </message>
    <message id="416">
        <source>Internal joint speed (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal joint speed (%)</translation>
    </message>
    <message id="417">
        <source>Internal joint acceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal joint acceleration (%)</translation>
    </message>
    <message id="418">
        <source>Internal joint deceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal joint deceleration (%)</translation>
    </message>
    <message id="419">
        <source>External speed (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>External speed (%)</translation>
    </message>
    <message id="420">
        <source>External acceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>External acceleration (%)</translation>
    </message>
    <message id="421">
        <source>External deceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>External deceleration (%)</translation>
    </message>
    <message id="422">
        <source>Current position, sampled at high speed</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current position, sampled at high speed</translation>
    </message>
    <message id="423">
        <source>Current angles of the axes, sampled at high speed</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current angles of the axes, sampled at high speed</translation>
    </message>
    <message id="424">
        <source>Current transformation, sampled at high speed</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current transformation, sampled at high speed</translation>
    </message>
    <message id="425">
        <source>True while the program is loaded and active</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while the program is loaded and active</translation>
    </message>
    <message id="426">
        <source>Checksum of the program file</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Checksum of the program file</translation>
    </message>
    <message id="427">
        <source>%1% will be registered as a local server. Continue?</source>
        <extracomment>%1%: file name of the server.</extracomment>
        <translation>%1% will be registered as a local server. Continue?</translation>
    </message>
    <message id="428">
        <source>%1% will be registered as a service. Continue?</source>
        <extracomment>%1%: file name of the server.</extracomment>
        <translation>%1% will be registered as a service. Continue?</translation>
    </message>
    <message id="429">
        <source>An alias item cannot be used as a link.</source>
        <translation>An alias item cannot be used as a link.</translation>
    </message>
    <message id="430">
        <source>Value</source>
        <extracomment>Property of the linked item.</extracomment>
        <translation>Value</translation>
    </message>
    <message id="431">
        <source>Quality</source>
        <extracomment>Property of the linked item.</extracomment>
        <translation>Quality</translation>
    </message>
    <message id="432">
        <source>Time Stamp</source>
        <extracomment>Property of the linked item.</extracomment>
        <translation>Time Stamp</translation>
    </message>
    <message id="433">
        <source>Value, Quality and Time Stamp</source>
        <extracomment>Property of the linked item.</extracomment>
        <translation>Value, Quality and Time Stamp</translation>
    </message>
    <message id="434">
        <source>Enter the task name.</source>
        <translation>Enter the task name.</translation>
    </message>
    <message id="435">
        <source>Enter the program name.</source>
        <translation>Enter the program name.</translation>
    </message>
    <message id="436">
        <source>Code of the current error (hexadecimal)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Code of the current error (hexadecimal)</translation>
    </message>
    <message id="437">
        <source>The manual could not be opened.</source>
        <translation>The manual could not be opened.</translation>
    </message>
    <message id="438">
        <source>Version of the controller software</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Version of the controller software</translation>
    </message>
    <message id="439">
        <source>Current date and time of the controller</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current date and time of the controller</translation>
    </message>
    <message id="440">
        <source>Operation mode of the controller</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Operation mode of the controller</translation>
    </message>
    <message id="441">
        <source>True while the controller is locked</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while the controller is locked</translation>
    </message>
    <message id="442">
        <source>True while inputs and outputs are simulated</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while inputs and outputs are simulated</translation>
    </message>
    <message id="443">
        <source>True while the emergency stop is pressed</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while the emergency stop is pressed</translation>
    </message>
    <message id="444">
        <source>State of the enable switch of the teach pendant</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>State of the enable switch of the teach pendant</translation>
    </message>
    <message id="445">
        <source>True while automatic operation is enabled</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while automatic operation is enabled</translation>
    </message>
    <message id="446">
        <source>True while a protective stop is active</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while a protective stop is active</translation>
    </message>
    <message id="447">
        <source>Time since the controller started (ms)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Time since the controller started (ms)</translation>
    </message>
    <message id="448">
        <source>Logical time of the controller</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Logical time of the controller</translation>
    </message>
    <message id="449">
        <source>Scale of the logical time</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Scale of the logical time</translation>
    </message>
    <message id="450">
        <source>True while a task runs</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while a task runs</translation>
    </message>
    <message id="451">
        <source>Code of the current error</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Code of the current error</translation>
    </message>
    <message id="452">
        <source>Description of the current error</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Description of the current error</translation>
    </message>
    <message id="454">
        <source>True while a resident task runs</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while a resident task runs</translation>
    </message>
    <message id="455">
        <source>Input/output allocation mode</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Input/output allocation mode</translation>
    </message>
    <message id="456">
        <source>Code of the current input/output error</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Code of the current input/output error</translation>
    </message>
    <message id="457">
        <source>True while the controller works normally</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while the controller works normally</translation>
    </message>
    <message id="458">
        <source>Serial number of the controller</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Serial number of the controller</translation>
    </message>
    <message id="459">
        <source>Size of the static variable area</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Size of the static variable area</translation>
    </message>
    <message id="460">
        <source>Number of I variables</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of I variables</translation>
    </message>
    <message id="461">
        <source>Number of F variables</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of F variables</translation>
    </message>
    <message id="462">
        <source>Number of D variables</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of D variables</translation>
    </message>
    <message id="463">
        <source>Number of V variables</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of V variables</translation>
    </message>
    <message id="464">
        <source>Number of J variables</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of J variables</translation>
    </message>
    <message id="465">
        <source>Number of P variables</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of P variables</translation>
    </message>
    <message id="466">
        <source>Number of T variables</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of T variables</translation>
    </message>
    <message id="467">
        <source>Number of S variables</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of S variables</translation>
    </message>
    <message id="468">
        <source>Number of IO bits</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of IO bits</translation>
    </message>
    <message id="469">
        <source>Integer variable</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Integer variable</translation>
    </message>
    <message id="470">
        <source>Single-precision real variable (F0 to F9)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Single-precision real variable (F0 to F9)</translation>
    </message>
    <message id="471">
        <source>Vector variable (X, Y, Z)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Vector variable (X, Y, Z)</translation>
    </message>
    <message id="472">
        <source>Position variable (X, Y, Z, RX, RY, RZ, figure)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Position variable (X, Y, Z, RX, RY, RZ, figure)</translation>
    </message>
    <message id="473">
        <source>Joint variable (angles of the axes)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Joint variable (angles of the axes)</translation>
    </message>
    <message id="474">
        <source>Double-precision real variable (D0 to D9)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Double-precision real variable (D0 to D9)</translation>
    </message>
    <message id="475">
        <source>Transformation variable (T0 to T9)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Transformation variable (T0 to T9)</translation>
    </message>
    <message id="476">
        <source>String variable (S0 to S9)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>String variable (S0 to S9)</translation>
    </message>
    <message id="477">
        <source>Input/output bit</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Input/output bit</translation>
    </message>
    <message id="478">
        <source>Input/output byte</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Input/output byte</translation>
    </message>
    <message id="479">
        <source>Input/output word</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Input/output word</translation>
    </message>
    <message id="480">
        <source>Input/output double word</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Input/output double word</translation>
    </message>
    <message id="481">
        <source>Input/output real value</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Input/output real value</translation>
    </message>
    <message id="482">
        <source>State of the task (stopped, running, suspended)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>State of the task (stopped, running, suspended)</translation>
    </message>
    <message id="483">
        <source>Priority of the task</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Priority of the task</translation>
    </message>
    <message id="484">
        <source>Program line being executed</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Program line being executed</translation>
    </message>
    <message id="485">
        <source>Cycle time of the task (ms)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Cycle time of the task (ms)</translation>
    </message>
    <message id="486">
        <source>Starts the task when written</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Starts the task when written</translation>
    </message>
    <message id="487">
        <source>Stops the task when written</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Stops the task when written</translation>
    </message>
    <message id="488">
        <source>Time since the task started (ms)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Time since the task started (ms)</translation>
    </message>
    <message id="489">
        <source>Detailed state of the task</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Detailed state of the task</translation>
    </message>
    <message id="490">
        <source>State of the robot</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>State of the robot</translation>
    </message>
    <message id="491">
        <source>External speed (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>External speed (%)</translation>
    </message>
    <message id="492">
        <source>External acceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>External acceleration (%)</translation>
    </message>
    <message id="493">
        <source>External deceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>External deceleration (%)</translation>
    </message>
    <message id="494">
        <source>Internal speed (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal speed (%)</translation>
    </message>
    <message id="495">
        <source>Internal acceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal acceleration (%)</translation>
    </message>
    <message id="496">
        <source>Internal deceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal deceleration (%)</translation>
    </message>
    <message id="497">
        <source>Internal joint speed (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal joint speed (%)</translation>
    </message>
    <message id="498">
        <source>Internal joint acceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal joint acceleration (%)</translation>
    </message>
    <message id="499">
        <source>Internal joint deceleration (%)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Internal joint deceleration (%)</translation>
    </message>
    <message id="500">
        <source>Number of the active tool</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of the active tool</translation>
    </message>
    <message id="501">
        <source>Number of the active work coordinates</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Number of the active work coordinates</translation>
    </message>
    <message id="502">
        <source>Current position of the robot</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current position of the robot</translation>
    </message>
    <message id="503">
        <source>Current angles of the axes</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current angles of the axes</translation>
    </message>
    <message id="504">
        <source>Current position as a transformation</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current position as a transformation</translation>
    </message>
    <message id="505">
        <source>Angles of the axes at the destination</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Angles of the axes at the destination</translation>
    </message>
    <message id="506">
        <source>Position at the destination</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Position at the destination</translation>
    </message>
    <message id="507">
        <source>Transformation at the destination</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Transformation at the destination</translation>
    </message>
    <message id="508">
        <source>Current angles of the axes, sampled at high speed</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current angles of the axes, sampled at high speed</translation>
    </message>
    <message id="509">
        <source>Current position, sampled at high speed</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current position, sampled at high speed</translation>
    </message>
    <message id="510">
        <source>Current transformation, sampled at high speed</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Current transformation, sampled at high speed</translation>
    </message>
    <message id="511">
        <source>Angles of the axes when an area was entered</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Angles of the axes when an area was entered</translation>
    </message>
    <message id="512">
        <source>Position when an area was entered</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Position when an area was entered</translation>
    </message>
    <message id="513">
        <source>Transformation when an area was entered</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Transformation when an area was entered</translation>
    </message>
    <message id="514">
        <source>Angles of the axes when an area was left</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Angles of the axes when an area was left</translation>
    </message>
    <message id="515">
        <source>Position when an area was left</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Position when an area was left</translation>
    </message>
    <message id="516">
        <source>Transformation when an area was left</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Transformation when an area was left</translation>
    </message>
    <message id="517">
        <source>Duration of the last motion (ms)</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Duration of the last motion (ms)</translation>
    </message>
    <message id="518">
        <source>Acceleration mode</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Acceleration mode</translation>
    </message>
    <message id="519">
        <source>True while the motors are on</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while the motors are on</translation>
    </message>
    <message id="520">
        <source>Type number of the robot</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Type number of the robot</translation>
    </message>
    <message id="521">
        <source>Type name of the robot</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Type name of the robot</translation>
    </message>
    <message id="522">
        <source>Code of the current error of the robot</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Code of the current error of the robot</translation>
    </message>
    <message id="524">
        <source>True while the robot moves</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while the robot moves</translation>
    </message>
    <message id="525">
        <source>Composite speed of the tool tip</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Composite speed of the tool tip</translation>
    </message>
    <message id="526">
        <source>True while the robot is locked</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while the robot is locked</translation>
    </message>
    <message id="527">
        <source>Mode of manual motion</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Mode of manual motion</translation>
    </message>
    <message id="528">
        <source>True while inching is on</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>True while inching is on</translation>
    </message>
    <message id="529">
        <source>Joint step of inching</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Joint step of inching</translation>
    </message>
    <message id="530">
        <source>Position step of inching</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Position step of inching</translation>
    </message>
    <message id="531">
        <source>Rotation step of inching</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Rotation step of inching</translation>
    </message>
    <message id="532">
        <source>Tool definition</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Tool definition</translation>
    </message>
    <message id="533">
        <source>Work coordinates definition</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Work coordinates definition</translation>
    </message>
    <message id="534">
        <source>Area definition</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Area definition</translation>
    </message>
    <message id="535">
        <source>Checksum of the program file</source>
        <extracomment>Information on a robot variable.</extracomment>
        <translation>Checksum of the program file</translation>
    </message>
    <message id="536">
        <source>The variable number is not a valid number.</source>
        <translation>The variable number is not a valid number.</translation>
    </message>
    <message id="537">
        <source>Enter a user name and a password, or turn off Username/Password logon.</source>
        <translation>Enter a user name and a password, or turn off Username/Password logon.</translation>
    </message>
    <message id="538">
        <source>Copy the parameters of %1% to %2%? The parameters of %2% are replaced.</source>
        <extracomment>%1%: source tab; %2%: target tab.</extracomment>
        <translation>Copy the parameters of %1% to %2%? The parameters of %2% are replaced.</translation>
    </message>
    <message id="540">
        <source>Below Normal</source>
        <extracomment>Process priority.</extracomment>
        <translation>Below Normal</translation>
    </message>
    <message id="541">
        <source>Above Normal</source>
        <extracomment>Process priority.</extracomment>
        <translation>Above Normal</translation>
    </message>
    <message id="542">
        <source>The configuration document path in the settings does not end in "plr" and is ignored.</source>
        <translation>The configuration document path in the settings does not end in "plr" and is ignored.</translation>
    </message>
    <message id="543">
        <source>UDP Log Receiver</source>
        <extracomment>Log type.</extracomment>
        <translation>UDP Log Receiver</translation>
    </message>
    <message id="2000">
        <source>&amp;File</source>
        <extracomment>Menu title.</extracomment>
        <translation>&amp;File</translation>
    </message>
    <message id="2001">
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message id="2002">
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message id="2003">
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message id="2004">
        <source>Save&amp;As...</source>
        <translation>Save&amp;As...</translation>
    </message>
    <message id="2005">
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message id="2006">
        <source>&amp;Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message id="2007">
        <source>Import &amp;from CSV file...</source>
        <translation>Import &amp;from CSV file...</translation>
    </message>
    <message id="2008">
        <source>Export &amp;to CSV file...</source>
        <translation>Export &amp;to CSV file...</translation>
    </message>
    <message id="2009">
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message id="2010">
        <source>&amp;Edit</source>
        <extracomment>Menu title.</extracomment>
        <translation>&amp;Edit</translation>
    </message>
    <message id="2011">
        <source>&amp;Add Controller...</source>
        <translation>&amp;Add Controller...</translation>
    </message>
    <message id="2012">
        <source>Add &amp;Item...</source>
        <translation>Add &amp;Item...</translation>
    </message>
    <message id="2013">
        <source>&amp;Rename...</source>
        <translation>&amp;Rename...</translation>
    </message>
    <message id="2014">
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message id="2015">
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message id="2016">
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message id="2017">
        <source>&amp;Sort</source>
        <translation>&amp;Sort</translation>
    </message>
    <message id="2018">
        <source>Copy DDE &amp;String</source>
        <translation>Copy DDE &amp;String</translation>
    </message>
    <message id="2019">
        <source>&amp;Action</source>
        <extracomment>Menu title.</extracomment>
        <translation>&amp;Action</translation>
    </message>
    <message id="2020">
        <source>&amp;Settings...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message id="2021">
        <source>Service St&amp;art</source>
        <translation>Service St&amp;art</translation>
    </message>
    <message id="2022">
        <source>Service St&amp;op</source>
        <translation>Service St&amp;op</translation>
    </message>
    <message id="2023">
        <source>Service &amp;Restart</source>
        <translation>Service &amp;Restart</translation>
    </message>
    <message id="2024">
        <source>Run Pellor&amp;Tester</source>
        <translation>Run Pellor&amp;Tester</translation>
    </message>
    <message id="2025">
        <source>Run Pellor&amp;Cmd...</source>
        <translation>Run Pellor&amp;Cmd...</translation>
    </message>
    <message id="2026">
        <source>Run Pellor&amp;Launcher</source>
        <translation>Run Pellor&amp;Launcher</translation>
    </message>
    <message id="2027">
        <source>&amp;Help</source>
        <extracomment>Menu title.</extracomment>
        <translation>&amp;Help</translation>
    </message>
    <message id="2028">
        <source>&amp;Version...</source>
        <translation>&amp;Version...</translation>
    </message>
    <message id="2029">
        <source>&amp;Add Controller...</source>
        <translation>&amp;Add Controller...</translation>
    </message>
    <message id="2030">
        <source>Add &amp;Item...</source>
        <translation>Add &amp;Item...</translation>
    </message>
    <message id="2031">
        <source>&amp;Rename...</source>
        <translation>&amp;Rename...</translation>
    </message>
    <message id="2032">
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message id="2033">
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message id="2034">
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message id="2035">
        <source>&amp;Sort</source>
        <translation>&amp;Sort</translation>
    </message>
    <message id="2036">
        <source>I&amp;mport...</source>
        <translation>I&amp;mport...</translation>
    </message>
    <message id="2037">
        <source>&amp;Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message id="2038">
        <source>Import &amp;from CSV file...</source>
        <translation>Import &amp;from CSV file...</translation>
    </message>
    <message id="2039">
        <source>Export &amp;to CSV file...</source>
        <translation>Export &amp;to CSV file...</translation>
    </message>
    <message id="2040">
        <source>Copy DDE &amp;String</source>
        <translation>Copy DDE &amp;String</translation>
    </message>
    <message id="2041">
        <source>Add ArrayItem...</source>
        <translation>Add ArrayItem...</translation>
    </message>
    <message id="2042">
        <source>Add ArrayItem...</source>
        <translation>Add ArrayItem...</translation>
    </message>
    <message id="2043">
        <source>Add Alias Controller...</source>
        <translation>Add Alias Controller...</translation>
    </message>
    <message id="2044">
        <source>Add Alias Item...</source>
        <translation>Add Alias Item...</translation>
    </message>
    <message id="2045">
        <source>Add Alias Controller...</source>
        <translation>Add Alias Controller...</translation>
    </message>
    <message id="2046">
        <source>Add Alias Item...</source>
        <translation>Add Alias Item...</translation>
    </message>
    <message id="2047">
        <source>Add &amp;Group...</source>
        <translation>Add &amp;Group...</translation>
    </message>
    <message id="2048">
        <source>Add &amp;Group...</source>
        <translation>Add &amp;Group...</translation>
    </message>
    <message id="2049">
        <source>Register Pellor as L&amp;ocal Server</source>
        <translation>Register Pellor as L&amp;ocal Server</translation>
    </message>
    <message id="2050">
        <source>Register Pellor as S&amp;ervice</source>
        <translation>Register Pellor as S&amp;ervice</translation>
    </message>
    <message id="2051">
        <source>Pellor &amp;Manual</source>
        <translation>Pellor &amp;Manual</translation>
    </message>
    <message id="2052">
        <source>Ventor &amp;Manual</source>
        <translation>Ventor &amp;Manual</translation>
    </message>
    <message id="2053">
        <source>Kelvo &amp;Manual</source>
        <translation>Kelvo &amp;Manual</translation>
    </message>
    <message id="2054">
        <source>Pellor.pdf</source>
        <extracomment>File name of the manual, in the program folder.</extracomment>
        <translation>Pellor.pdf</translation>
    </message>
    <message id="2055">
        <source>Ventor.pdf</source>
        <extracomment>File name of the manual, in the program folder.</extracomment>
        <translation>Ventor.pdf</translation>
    </message>
    <message id="2056">
        <source>Kelvo.pdf</source>
        <extracomment>File name of the manual, in the program folder.</extracomment>
        <translation>Kelvo.pdf</translation>
    </message>
    <message id="2058">
        <source>Tovan &amp;Manual</source>
        <translation>Tovan &amp;Manual</translation>
    </message>
    <message id="2059">
        <source>Tovan.pdf</source>
        <extracomment>File name of the manual, in the program folder.</extracomment>
        <translation>Tovan.pdf</translation>
    </message>
    <message id="3000">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="3001">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="3002">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="3003">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="3004">
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message id="3005">
        <source>Service Start/Stop</source>
        <translation>Service Start/Stop</translation>
    </message>
    <message id="3006">
        <source>Run PellorTester</source>
        <translation>Run PellorTester</translation>
    </message>
    <message id="3007">
        <source>Run PellorControl</source>
        <translation>Run PellorControl</translation>
    </message>
    <message id="3008">
        <source>Run PellorLauncher</source>
        <translation>Run PellorLauncher</translation>
    </message>
    <message id="3009">
        <source>Controller Name</source>
        <translation>Controller Name</translation>
    </message>
    <message id="3011">
        <source>Controller Name</source>
        <translation>Controller Name</translation>
    </message>
    <message id="3012">
        <source>Item Name</source>
        <translation>Item Name</translation>
    </message>
    <message id="3014">
        <source>Item Name</source>
        <translation>Item Name</translation>
    </message>
    <message id="3015">
        <source>Controller Count</source>
        <translation>Controller Count</translation>
    </message>
    <message id="3016">
        <source>Item Count</source>
        <translation>Item Count</translation>
    </message>
    <message id="3017">
        <source> E&amp;ngine</source>
        <translation> E&amp;ngine</translation>
    </message>
    <message id="3018">
        <source> &amp;Controller</source>
        <translation> &amp;Controller</translation>
    </message>
    <message id="3019">
        <source> &amp;Item</source>
        <translation> &amp;Item</translation>
    </message>
    <message id="3020">
        <source>QuarnVariable</source>
        <translation>QuarnVariable</translation>
    </message>
    <message id="3021">
        <source>ON - Using a QUARN variable | OFF - Using a cache only</source>
        <translation>ON - Using a QUARN variable | OFF - Using a cache only</translation>
    </message>
    <message id="3022">
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message id="3023">
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message id="3024">
        <source>Object Name : </source>
        <translation>Object Name : </translation>
    </message>
    <message id="3025">
        <source>Class : </source>
        <translation>Class : </translation>
    </message>
    <message id="3026">
        <source>Variable Name : </source>
        <translation>Variable Name : </translation>
    </message>
    <message id="3027">
        <source>Option : </source>
        <translation>Option : </translation>
    </message>
    <message id="3028">
        <source>[&lt;Controller Name&gt;\]&lt;Item Name&gt; [, ...]</source>
        <translation>[&lt;Controller Name&gt;\]&lt;Item Name&gt; [, ...]</translation>
    </message>
    <message id="3029">
        <source>OnChange event : </source>
        <translation>OnChange event : </translation>
    </message>
    <message id="3030">
        <source>Attribute : </source>
        <translation>Attribute : </translation>
    </message>
    <message id="3031">
        <source>Initialize : </source>
        <translation>Initialize : </translation>
    </message>
    <message id="3032">
        <source>Force to change  : </source>
        <translation>Force to change  : </translation>
    </message>
    <message id="3033">
        <source>Enable VT_EMPTY : </source>
        <translation>Enable VT_EMPTY : </translation>
    </message>
    <message id="3034">
        <source>Auto History : </source>
        <translation>Auto History : </translation>
    </message>
    <message id="3035">
        <source>Description : </source>
        <translation>Description : </translation>
    </message>
    <message id="3036">
        <source>Link Item : </source>
        <translation>Link Item : </translation>
    </message>
    <message id="3037">
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message id="3038">
        <source>Distribute equally</source>
        <translation>Distribute equally</translation>
    </message>
    <message id="3039">
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message id="3040">
        <source>QuarnController</source>
        <translation>QuarnController</translation>
    </message>
    <message id="3041">
        <source>Option : </source>
        <translation>Option : </translation>
    </message>
    <message id="3042">
        <source>Controller Name : </source>
        <translation>Controller Name : </translation>
    </message>
    <message id="3043">
        <source>Machine : </source>
        <translation>Machine : </translation>
    </message>
    <message id="3044">
        <source>Provider Name  : </source>
        <translation>Provider Name  : </translation>
    </message>
    <message id="3045">
        <source>Time Stamp : </source>
        <translation>Time Stamp : </translation>
    </message>
    <message id="3046">
        <source>Write to Cache : </source>
        <translation>Write to Cache : </translation>
    </message>
    <message id="3047">
        <source>Startup : </source>
        <translation>Startup : </translation>
    </message>
    <message id="3048">
        <source>Auto History : </source>
        <translation>Auto History : </translation>
    </message>
    <message id="3049">
        <source>Description : </source>
        <translation>Description : </translation>
    </message>
    <message id="3050">
        <source>Thread Priority : </source>
        <translation>Thread Priority : </translation>
    </message>
    <message id="3051">
        <source>Sampling Rate : </source>
        <translation>Sampling Rate : </translation>
    </message>
    <message id="3052">
        <source>UPnP</source>
        <translation>UPnP</translation>
    </message>
    <message id="3053">
        <source>Nimbal Device</source>
        <translation>Nimbal Device</translation>
    </message>
    <message id="3054">
        <source>&amp;UPnP...</source>
        <translation>&amp;UPnP...</translation>
    </message>
    <message id="3055">
        <source>Friendly Name : </source>
        <translation>Friendly Name : </translation>
    </message>
    <message id="3056">
        <source>History</source>
        <translation>History</translation>
    </message>
    <message id="3057">
        <source>&amp;Database...</source>
        <translation>&amp;Database...</translation>
    </message>
    <message id="3058">
        <source>Table Type : </source>
        <translation>Table Type : </translation>
    </message>
    <message id="3059">
        <source>QuarnEngine</source>
        <translation>QuarnEngine</translation>
    </message>
    <message id="3060">
        <source>Unlimited</source>
        <translation>Unlimited</translation>
    </message>
    <message id="3061">
        <source>Retry Count  : </source>
        <translation>Retry Count  : </translation>
    </message>
    <message id="3062">
        <source>Retry Interval (ms)  : </source>
        <translation>Retry Interval (ms)  : </translation>
    </message>
    <message id="3063">
        <source>Location : </source>
        <translation>Location : </translation>
    </message>
    <message id="3064">
        <source>Default Controller : </source>
        <translation>Default Controller : </translation>
    </message>
    <message id="3065">
        <source>Deactivate</source>
        <translation>Deactivate</translation>
    </message>
    <message id="3066">
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message id="3067">
        <source>Variable</source>
        <translation>Variable</translation>
    </message>
    <message id="3068">
        <source>Variable Enabled</source>
        <translation>Variable Enabled</translation>
    </message>
    <message id="3069">
        <source>Item Name : </source>
        <translation>Item Name : </translation>
    </message>
    <message id="3070">
        <source>Class : </source>
        <translation>Class : </translation>
    </message>
    <message id="3071">
        <source>Variable Name : </source>
        <translation>Variable Name : </translation>
    </message>
    <message id="3072">
        <source>Controller Name : </source>
        <translation>Controller Name : </translation>
    </message>
    <message id="3073">
        <source>Edit...</source>
        <translation>Edit...</translation>
    </message>
    <message id="3074">
        <source>Controller Enabled</source>
        <translation>Controller Enabled</translation>
    </message>
    <message id="3076">
        <source>Connect Param. : </source>
        <translation>Connect Param. : </translation>
    </message>
    <message id="3077">
        <source>Sampling Rate : </source>
        <translation>Sampling Rate : </translation>
    </message>
    <message id="3078">
        <source>Variable Info. : </source>
        <translation>Variable Info. : </translation>
    </message>
    <message id="3079">
        <source>Object Name : </source>
        <translation>Object Name : </translation>
    </message>
    <message id="3080">
        <source>Script : </source>
        <translation>Script : </translation>
    </message>
    <message id="3081">
        <source>Edit...</source>
        <translation>Edit...</translation>
    </message>
    <message id="4000">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="4001">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="4002">
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message id="4003">
        <source>API</source>
        <translation>API</translation>
    </message>
    <message id="4004">
        <source>RAC</source>
        <translation>RAC</translation>
    </message>
    <message id="4005">
        <source>RAC packet capture</source>
        <translation>RAC packet capture</translation>
    </message>
    <message id="4006">
        <source>NOT repeat the same error</source>
        <translation>NOT repeat the same error</translation>
    </message>
    <message id="4007">
        <source>CORBA Server</source>
        <translation>CORBA Server</translation>
    </message>
    <message id="4008">
        <source>JNI ( Java Native Interface )</source>
        <translation>JNI ( Java Native Interface )</translation>
    </message>
    <message id="4009">
        <source>DDE Server</source>
        <translation>DDE Server</translation>
    </message>
    <message id="4010">
        <source>DCOM Server</source>
        <translation>DCOM Server</translation>
    </message>
    <message id="4011">
        <source>Options : </source>
        <translation>Options : </translation>
    </message>
    <message id="4012">
        <source>RAC Server</source>
        <translation>RAC Server</translation>
    </message>
    <message id="4013">
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message id="4014">
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message id="4015">
        <source>EtherOpt : </source>
        <translation>EtherOpt : </translation>
    </message>
    <message id="4016">
        <source>Conn : </source>
        <translation>Conn : </translation>
    </message>
    <message id="4017">
        <source>Timeout : </source>
        <translation>Timeout : </translation>
    </message>
    <message id="4018">
        <source>PacketOpt : </source>
        <translation>PacketOpt : </translation>
    </message>
    <message id="4019">
        <source>Process Priority : </source>
        <translation>Process Priority : </translation>
    </message>
    <message id="4020">
        <source>Locale ID : </source>
        <translation>Locale ID : </translation>
    </message>
    <message id="4021">
        <source>Log Type : </source>
        <translation>Log Type : </translation>
    </message>
    <message id="4022">
        <source>File Name : </source>
        <translation>File Name : </translation>
    </message>
    <message id="4023">
        <source>Log Level :</source>
        <translation>Log Level :</translation>
    </message>
    <message id="4024">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="4025">
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message id="4026">
        <source>OPC UA</source>
        <translation>OPC UA</translation>
    </message>
    <message id="4027">
        <source>Port Number : </source>
        <translation>Port Number : </translation>
    </message>
    <message id="4028">
        <source>URL : </source>
        <translation>URL : </translation>
    </message>
    <message id="4029">
        <source>Enable Anonymous logon</source>
        <translation>Enable Anonymous logon</translation>
    </message>
    <message id="4030">
        <source>Enable Username/Password logon</source>
        <translation>Enable Username/Password logon</translation>
    </message>
    <message id="4031">
        <source>Username : </source>
        <translation>Username : </translation>
    </message>
    <message id="4032">
        <source>Password : </source>
        <translation>Password : </translation>
    </message>
    <message id="4033">
        <source>Logon setting</source>
        <translation>Logon setting</translation>
    </message>
    <message id="4034">
        <source>PKI</source>
        <translation>PKI</translation>
    </message>
    <message id="4036">
        <source>Rebuilding</source>
        <translation>Rebuilding</translation>
    </message>
    <message id="4038">
        <source>CoAP</source>
        <translation>CoAP</translation>
    </message>
    <message id="4039">
        <source>CoAP Server</source>
        <translation>CoAP Server</translation>
    </message>
    <message id="4040">
        <source>SendRetry : </source>
        <translation>SendRetry : </translation>
    </message>
    <message id="4041">
        <source>RecvRetry : </source>
        <translation>RecvRetry : </translation>
    </message>
    <message id="6000">
        <source>Controller Details [xxx]</source>
        <translation>Controller Details [xxx]</translation>
    </message>
    <message id="6001">
        <source>Auto Reconnection</source>
        <translation>Auto Reconnection</translation>
    </message>
    <message id="6002">
        <source>seconds</source>
        <translation>seconds</translation>
    </message>
    <message id="6003">
        <source>times error continued</source>
        <translation>times error continued</translation>
    </message>
    <message id="6004">
        <source>Retry Interval  : </source>
        <translation>Retry Interval  : </translation>
    </message>
    <message id="6005">
        <source>Condition  : </source>
        <translation>Condition  : </translation>
    </message>
    <message id="6006">
        <source>Watchdog</source>
        <translation>Watchdog</translation>
    </message>
    <message id="6007">
        <source>1 to 5</source>
        <translation>1 to 5</translation>
    </message>
    <message id="6008">
        <source>Action : </source>
        <translation>Action : </translation>
    </message>
    <message id="6009">
        <source>Counter : </source>
        <translation>Counter : </translation>
    </message>
    <message id="6010">
        <source>Trigger </source>
        <translation>Trigger </translation>
    </message>
    <message id="6011">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="6012">
        <source>Parameters :</source>
        <translation>Parameters :</translation>
    </message>
    <message id="6013">
        <source>File :</source>
        <translation>File :</translation>
    </message>
    <message id="6014">
        <source>Action :</source>
        <translation>Action :</translation>
    </message>
    <message id="6015">
        <source>Parameters :</source>
        <translation>Parameters :</translation>
    </message>
    <message id="6016">
        <source>File :</source>
        <translation>File :</translation>
    </message>
    <message id="6017">
        <source>Action :</source>
        <translation>Action :</translation>
    </message>
    <message id="7000">
        <source>UPnP Device Description</source>
        <translation>UPnP Device Description</translation>
    </message>
    <message id="7001">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="8000">
        <source>Import Export - [**]</source>
        <translation>Import Export - [**]</translation>
    </message>
    <message id="8001">
        <source>Cl&amp;ear</source>
        <translation>Cl&amp;ear</translation>
    </message>
    <message id="8002">
        <source>&amp;Select All</source>
        <translation>&amp;Select All</translation>
    </message>
    <message id="8003">
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message id="8004">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="8005">
        <source>Select export items.</source>
        <translation>Select export items.</translation>
    </message>
    <message id="9000">
        <source>Item Details [xxx - yyy]</source>
        <translation>Item Details [xxx - yyy]</translation>
    </message>
    <message id="9001">
        <source>Allowed Value</source>
        <translation>Allowed Value</translation>
    </message>
    <message id="9002">
        <source>Step. (VT_R4)</source>
        <translation>Step. (VT_R4)</translation>
    </message>
    <message id="9003">
        <source>Min. (VT_R4)</source>
        <translation>Min. (VT_R4)</translation>
    </message>
    <message id="9004">
        <source>Max. (VT_R4)</source>
        <translation>Max. (VT_R4)</translation>
    </message>
    <message id="9005">
        <source>List : </source>
        <translation>List : </translation>
    </message>
    <message id="9006">
        <source>Min-Max-Step : </source>
        <translation>Min-Max-Step : </translation>
    </message>
    <message id="9007">
        <source>Default Value : </source>
        <translation>Default Value : </translation>
    </message>
    <message id="9008">
        <source>Misc.</source>
        <translation>Misc.</translation>
    </message>
    <message id="9009">
        <source>BLOB</source>
        <translation>BLOB</translation>
    </message>
    <message id="9010">
        <source>BLOB Size (VT_I4)</source>
        <translation>BLOB Size (VT_I4)</translation>
    </message>
    <message id="9011">
        <source>Extract Linking : </source>
        <translation>Extract Linking : </translation>
    </message>
    <message id="9012">
        <source>Compare Arrays : </source>
        <translation>Compare Arrays : </translation>
    </message>
    <message id="9013">
        <source>EU Unit : </source>
        <translation>EU Unit : </translation>
    </message>
    <message id="9014">
        <source>BLOB : </source>
        <translation>BLOB : </translation>
    </message>
    <message id="9015">
        <source>Data Type : </source>
        <translation>Data Type : </translation>
    </message>
    <message id="9016">
        <source>Data Filtering</source>
        <translation>Data Filtering</translation>
    </message>
    <message id="9017">
        <source>Max (VT_I4)</source>
        <translation>Max (VT_I4)</translation>
    </message>
    <message id="9018">
        <source>Min. (VT_R4)</source>
        <translation>Min. (VT_R4)</translation>
    </message>
    <message id="9019">
        <source>Max. (VT_R4)</source>
        <translation>Max. (VT_R4)</translation>
    </message>
    <message id="9020">
        <source>Max. (VT_R4)</source>
        <translation>Max. (VT_R4)</translation>
    </message>
    <message id="9021">
        <source>Min. (VT_R4)</source>
        <translation>Min. (VT_R4)</translation>
    </message>
    <message id="9022">
        <source>Chattering : </source>
        <translation>Chattering : </translation>
    </message>
    <message id="9023">
        <source>Min-Max : </source>
        <translation>Min-Max : </translation>
    </message>
    <message id="9024">
        <source>Deadband : </source>
        <translation>Deadband : </translation>
    </message>
    <message id="9025">
        <source>Data Conversion</source>
        <translation>Data Conversion</translation>
    </message>
    <message id="9026">
        <source>Mask Data (VT_I4)</source>
        <translation>Mask Data (VT_I4)</translation>
    </message>
    <message id="9027">
        <source>[&lt;Controller Name&gt;\]&lt;Item Name&gt; | #&lt;Numeric&gt;</source>
        <translation>[&lt;Controller Name&gt;\]&lt;Item Name&gt; | #&lt;Numeric&gt;</translation>
    </message>
    <message id="9028">
        <source>Request Type (W) : </source>
        <translation>Request Type (W) : </translation>
    </message>
    <message id="9029">
        <source>Request Type (R) : </source>
        <translation>Request Type (R) : </translation>
    </message>
    <message id="9030">
        <source>Masking : </source>
        <translation>Masking : </translation>
    </message>
    <message id="9031">
        <source>BCD : </source>
        <translation>BCD : </translation>
    </message>
    <message id="9032">
        <source>Calculation : </source>
        <translation>Calculation : </translation>
    </message>
    <message id="9033">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="9034">
        <source>Property of Linked item : </source>
        <translation>Property of Linked item : </translation>
    </message>
    <message id="10000">
        <source>State</source>
        <extracomment>Title of the progress window.</extracomment>
        <translation>State</translation>
    </message>
    <message id="10001">
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message id="11000">
        <source>Pellor History</source>
        <translation>Pellor History</translation>
    </message>
    <message id="11001">
        <source>Insert System Info. Record</source>
        <translation>Insert System Info. Record</translation>
    </message>
    <message id="11002">
        <source>Auto Switch ( 1 to 2 )</source>
        <translation>Auto Switch ( 1 to 2 )</translation>
    </message>
    <message id="11003">
        <source>Table Name : </source>
        <translation>Table Name : </translation>
    </message>
    <message id="11004">
        <source>Max Record Count : </source>
        <translation>Max Record Count : </translation>
    </message>
    <message id="11005">
        <source> ADO Connection Strings </source>
        <translation> ADO Connection Strings </translation>
    </message>
    <message id="11006">
        <source>Misc. : </source>
        <translation>Misc. : </translation>
    </message>
    <message id="11007">
        <source>Extended Properties : </source>
        <translation>Extended Properties : </translation>
    </message>
    <message id="11008">
        <source>Password : </source>
        <translation>Password : </translation>
    </message>
    <message id="11009">
        <source>User ID : </source>
        <translation>User ID : </translation>
    </message>
    <message id="11010">
        <source>Initial Catalog : </source>
        <translation>Initial Catalog : </translation>
    </message>
    <message id="11011">
        <source>Data Source : </source>
        <translation>Data Source : </translation>
    </message>
    <message id="11012">
        <source>OLEDB Provider : </source>
        <translation>OLEDB Provider : </translation>
    </message>
    <message id="11013">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="11014">
        <source>1 - Primary</source>
        <translation>1 - Primary</translation>
    </message>
    <message id="11015">
        <source>2 - Secondary</source>
        <translation>2 - Secondary</translation>
    </message>
    <message id="11016">
        <source>No Conversion To BSTR</source>
        <translation>No Conversion To BSTR</translation>
    </message>
    <message id="11017">
        <source>Blob to file</source>
        <translation>Blob to file</translation>
    </message>
    <message id="11018">
        <source>Copy prameters...</source>
        <translation>Copy prameters...</translation>
    </message>
    <message id="11019">
        <source>Copy Primary to Secondary</source>
        <translation>Copy Primary to Secondary</translation>
    </message>
    <message id="11020">
        <source>Copy Secondary to Primary</source>
        <translation>Copy Secondary to Primary</translation>
    </message>
    <message id="11021">
        <source>Copy active parameters to clipboard as DB Provider</source>
        <translation>Copy active parameters to clipboard as DB Provider</translation>
    </message>
    <message id="12000">
        <source>Link String :</source>
        <translation>Link String :</translation>
    </message>
    <message id="12001">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="12002">
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message id="12500">
        <source>Object Option :</source>
        <translation>Object Option :</translation>
    </message>
    <message id="12501">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="13000">
        <source>Enter the name of the controller to add.</source>
        <translation>Enter the name of the controller to add.</translation>
    </message>
    <message id="13001">
        <source>Controller Name : </source>
        <translation>Controller Name : </translation>
    </message>
    <message id="13002">
        <source>Choose how the controller is connected.</source>
        <translation>Choose how the controller is connected.</translation>
    </message>
    <message id="13003">
        <source>&amp;Ethernet</source>
        <translation>&amp;Ethernet</translation>
    </message>
    <message id="13004">
        <source>IP Address : </source>
        <translation>IP Address : </translation>
    </message>
    <message id="13005">
        <source>&amp;RS232C</source>
        <translation>&amp;RS232C</translation>
    </message>
    <message id="13006">
        <source>Port No. : </source>
        <translation>Port No. : </translation>
    </message>
    <message id="13007">
        <source>Baudrate : </source>
        <translation>Baudrate : </translation>
    </message>
    <message id="13008">
        <source>Parity : </source>
        <translation>Parity : </translation>
    </message>
    <message id="13009">
        <source>Data Length : </source>
        <translation>Data Length : </translation>
    </message>
    <message id="13010">
        <source>Stop Bit : </source>
        <translation>Stop Bit : </translation>
    </message>
    <message id="13011">
        <source>&lt; Back</source>
        <translation>&lt; Back</translation>
    </message>
    <message id="13012">
        <source>Next &gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message id="13013">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="13014">
        <source>Choose the model of the controller to add.</source>
        <translation>Choose the model of the controller to add.</translation>
    </message>
    <message id="13015">
        <source>Palisk</source>
        <translation>Palisk</translation>
    </message>
    <message id="13016">
        <source>Tarvik</source>
        <translation>Tarvik</translation>
    </message>
    <message id="14000">
        <source>Enter the name of the item to add.</source>
        <translation>Enter the name of the item to add.</translation>
    </message>
    <message id="14001">
        <source>Variable Name : </source>
        <translation>Variable Name : </translation>
    </message>
    <message id="14002">
        <source>Choose the robot variable that the item reads.</source>
        <translation>Choose the robot variable that the item reads.</translation>
    </message>
    <message id="14003">
        <source>Class : </source>
        <translation>Class : </translation>
    </message>
    <message id="14004">
        <source>Variable Type : </source>
        <translation>Variable Type : </translation>
    </message>
    <message id="14005">
        <source>Variable No. : </source>
        <translation>Variable No. : </translation>
    </message>
    <message id="14006">
        <source>Task Name : </source>
        <translation>Task Name : </translation>
    </message>
    <message id="14007">
        <source>Program Name : </source>
        <translation>Program Name : </translation>
    </message>
    <message id="14008">
        <source>Input the program name.</source>
        <translation>Input the program name.</translation>
    </message>
    <message id="14009">
        <source>Input the program file name.</source>
        <translation>Input the program file name.</translation>
    </message>
    <message id="15000">
        <source>Script [%1%]</source>
        <extracomment>Window title. %1%: controller name.</extracomment>
        <translation>Script [%1%]</translation>
    </message>
    <message id="15001">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="15002">
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message id="15003">
        <source>Not Safe-mode</source>
        <translation>Not Safe-mode</translation>
    </message>
    <message id="15004">
        <source>Insert Comment</source>
        <translation>Insert Comment</translation>
    </message>
    <message id="15005">
        <source>Remove Comment</source>
        <translation>Remove Comment</translation>
    </message>
    <message id="15006">
        <source>Insert Comment</source>
        <translation>Insert Comment</translation>
    </message>
    <message id="15007">
        <source>Remove Comment</source>
        <translation>Remove Comment</translation>
    </message>
    <message id="16000">
        <source>Locales</source>
        <translation>Locales</translation>
    </message>
    <message id="16001">
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message id="16002">
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message id="16003">
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="16004">
        <source>ID (Decimal)</source>
        <translation>ID (Decimal)</translation>
    </message>
    <message id="16005">
        <source>ID (Hex)</source>
        <translation>ID (Hex)</translation>
    </message>
    <message id="16006">
        <source>User Default</source>
        <translation>User Default</translation>
    </message>
</context>
</TS>
