<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>vorn</name>
    <message id="select_all">
        <source>select_all</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Select All</translation>
    </message>
    <message id="select_none">
        <source>select_none</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Select None</translation>
    </message>
    <message id="reset_servo">
        <source>reset_servo</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Reset Servos</translation>
    </message>
    <message id="read_deviation">
        <source>read_deviation</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Read Trims</translation>
    </message>
    <message id="download_deviation">
        <source>download_deviation</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Write Trims</translation>
    </message>
    <message id="reset_deviation">
        <source>reset_deviation</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Reset Trims</translation>
    </message>
    <message id="wireless_connect">
        <source>wireless_connect</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Connect</translation>
    </message>
    <message id="wireless_disconnect">
        <source>wireless_disconnect</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Disconnect</translation>
    </message>
    <message id="run_action">
        <source>run_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Run Group</translation>
    </message>
    <message id="stop">
        <source>stop</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Stop</translation>
    </message>
    <message id="single_erase">
        <source>single_erase</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Erase Group</translation>
    </message>
    <message id="all_erase">
        <source>all_erase</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Erase All</translation>
    </message>
    <message id="download">
        <source>download</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Download</translation>
    </message>
    <message id="add_action">
        <source>add_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Add Frame</translation>
    </message>
    <message id="delete_action">
        <source>delete_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Delete Frame</translation>
    </message>
    <message id="update_action">
        <source>update_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Update Frame</translation>
    </message>
    <message id="Insert_action">
        <source>Insert_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Insert Frame</translation>
    </message>
    <message id="motor_off">
        <source>motor_off</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Unload Servos</translation>
    </message>
    <message id="read_angle">
        <source>read_angle</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Read Positions</translation>
    </message>
    <message id="open_action">
        <source>open_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Open File</translation>
    </message>
    <message id="save_action">
        <source>save_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Save File</translation>
    </message>
    <message id="integrate_action">
        <source>integrate_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Merge File</translation>
    </message>
    <message id="run_online">
        <source>run_online</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Run Online</translation>
    </message>
    <message id="loop">
        <source>loop</source>
        <extracomment>Label of the loop switch</extracomment>
        <translation>Loop</translation>
    </message>
    <message id="action_group">
        <source>action_group</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Action Group</translation>
    </message>
    <message id="action_time">
        <source>action_time</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Frame Time (ms)</translation>
    </message>
    <message id="total_time">
        <source>total_time</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Total Time</translation>
    </message>
    <message id="servo_deviation">
        <source>servo_deviation</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Servo Trims</translation>
    </message>
    <message id="copy_action">
        <source>copy_action</source>
        <extracomment>Context menu item</extracomment>
        <translation>Copy Frame</translation>
    </message>
    <message id="copy_action_up">
        <source>copy_action_up</source>
        <extracomment>Context menu item</extracomment>
        <translation>Paste Above</translation>
    </message>
    <message id="copy_action_down">
        <source>copy_action_down</source>
        <extracomment>Context menu item</extracomment>
        <translation>Paste Below</translation>
    </message>
    <message id="copy_action_update">
        <source>copy_action_update</source>
        <extracomment>Context menu item</extracomment>
        <translation>Paste and Replace</translation>
    </message>
    <message id="actions_max_velmar_tips">
        <source>actions_max_velmar_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>An action group holds at most 1020 frames. Remove some frames before downloading.</translation>
    </message>
    <message id="add_action_first">
        <source>add_action_first</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>The frame list is empty. Add a frame before downloading.</translation>
    </message>
    <message id="add_action_tips">
        <source>add_action_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>The frame list is empty. Add a frame first.</translation>
    </message>
    <message id="connect_velmar">
        <source>connect_velmar</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Some servos did not report their position. Check their connections and try again.</translation>
    </message>
    <message id="modify_erro">
        <source>modify_erro</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Invalid value. The change was not applied.</translation>
    </message>
    <message id="is_file_velmar">
        <source>is_file_velmar</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>This action file is for a different robot and cannot be used here.</translation>
    </message>
    <message id="file_damage">
        <source>file_damage</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>The file cannot be read or is not an action file (.rob).</translation>
    </message>
    <message id="save_file_tips">
        <source>save_file_tips</source>
        <extracomment>Reminder that glides across the editor in large red type</extracomment>
        <translation>Remember to save your action file!</translation>
    </message>
    <message id="motor_off_tips">
        <source>motor_off_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>The servos will be unloaded. Hold the arm, then pose it by hand.</translation>
    </message>
    <message id="run_over">
        <source>run_over</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>The run has finished.</translation>
    </message>
    <message id="stop_run">
        <source>stop_run</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>The run stopped because the robot arm was disconnected.</translation>
    </message>
    <message id="comfirm_single_erase">
        <source>comfirm_single_erase</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>Erase the chosen action group from the board?</translation>
    </message>
    <message id="comfirm_all_erase">
        <source>comfirm_all_erase</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>Erase all action groups stored on the board?</translation>
    </message>
    <message id="erase_success">
        <source>erase_success</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Erase complete.</translation>
    </message>
    <message id="erase_fail">
        <source>erase_fail</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Erasing failed: the board did not answer.</translation>
    </message>
    <message id="replace_deviation">
        <source>replace_deviation</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>Read the trims from the servos? The trims shown now will be replaced.</translation>
    </message>
    <message id="download_dev_tips">
        <source>download_dev_tips</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>Store the current trims in the servos?</translation>
    </message>
    <message id="read_dev_first">
        <source>read_dev_first</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>Read the servos' current trims before adjusting them?</translation>
    </message>
    <message id="read_dev_erro">
        <source>read_dev_erro</source>
        <extracomment>Followed by a space and servo numbers, such as 3,5</extracomment>
        <translation>Could not read the trims of servos:</translation>
    </message>
    <message id="servo_id">
        <source>servo_id</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Servo ID</translation>
    </message>
    <message id="deviation">
        <source>deviation</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Trim</translation>
    </message>
    <message id="led_control">
        <source>led_control</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>LED Control</translation>
    </message>
    <message id="angle">
        <source>angle</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Angle Range</translation>
    </message>
    <message id="voltage">
        <source>voltage</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Voltage Range</translation>
    </message>
    <message id="temperature">
        <source>temperature</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Temperature Limit</translation>
    </message>
    <message id="led_warning">
        <source>led_warning</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>LED Alarms</translation>
    </message>
    <message id="over_heat">
        <source>over_heat</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Overheat</translation>
    </message>
    <message id="over_voltage">
        <source>over_voltage</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Overvoltage</translation>
    </message>
    <message id="over_position">
        <source>over_position</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Stall</translation>
    </message>
    <message id="read_status">
        <source>read_status</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Live Status</translation>
    </message>
    <message id="cur_temperature">
        <source>cur_temperature</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Temperature</translation>
    </message>
    <message id="cur_voltage">
        <source>cur_voltage</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Voltage</translation>
    </message>
    <message id="cur_position">
        <source>cur_position</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Position</translation>
    </message>
    <message id="servo_test">
        <source>servo_test</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Servo Test</translation>
    </message>
    <message id="time">
        <source>time</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Time (ms)</translation>
    </message>
    <message id="position">
        <source>position</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Position</translation>
    </message>
    <message id="speed">
        <source>speed</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Speed</translation>
    </message>
    <message id="servo_mode">
        <source>servo_mode</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Servo Mode</translation>
    </message>
    <message id="motor_mode">
        <source>motor_mode</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Motor Mode</translation>
    </message>
    <message id="default">
        <source>default</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Defaults</translation>
    </message>
    <message id="set">
        <source>set</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Write</translation>
    </message>
    <message id="read">
        <source>read</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Read</translation>
    </message>
    <message id="settings">
        <source>settings</source>
        <extracomment>Title of the progress bar while parameters are written</extracomment>
        <translation>Writing…</translation>
    </message>
    <message id="set_complete">
        <source>set_complete</source>
        <extracomment>Title of the progress bar when writing is done</extracomment>
        <translation>Write Complete</translation>
    </message>
    <message id="mass_download_Tips">
        <source>mass_download_Tips</source>
        <extracomment>Title of the batch download panel; 号 must stay the character U+53F7</extracomment>
        <translation>Batch Download (name files like 3号wave.rob for group 3)</translation>
    </message>
    <message id="mass_open">
        <source>mass_open</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Choose Files</translation>
    </message>
    <message id="mass_download">
        <source>mass_download</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Batch Download</translation>
    </message>
    <message id="action_index">
        <source>action_index</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Action Group</translation>
    </message>
    <message id="single_servo_tips">
        <source>single_servo_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Connect only one servo to the bus to read or write its parameters.</translation>
    </message>
    <message id="add_action_first_mass">
        <source>add_action_first_mass</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Choose the action files to download first.</translation>
    </message>
    <message id="file_error">
        <source>file_error</source>
        <extracomment>号 must stay the character U+53F7</extracomment>
        <translation>File names must start with the group number and 号, such as 3号wave.rob. Other files were skipped.</translation>
    </message>
    <message id="connect_robot">
        <source>connect_robot</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Connect the robot arm by USB first.</translation>
    </message>
    <message id="operation_fail">
        <source>operation_fail</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Not available while the serial port is open. Disconnect it first.</translation>
    </message>
    <message id="progress">
        <source>progress</source>
        <extracomment>Button title while a download runs; also a tip and the prefix of the file being downloaded</extracomment>
        <translation>Downloading…</translation>
    </message>
    <message id="download_success">
        <source>download_success</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Download complete.</translation>
    </message>
    <message id="read_success">
        <source>read_success</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Read complete.</translation>
    </message>
    <message id="read_timeout">
        <source>read_timeout</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Reading timed out. Check the connection and try again.</translation>
    </message>
    <message id="wait_timeout">
        <source>wait_timeout</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>The board did not answer in time. Check the connection and try again.</translation>
    </message>
    <message id="send_fail">
        <source>send_fail</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>Sending to the board failed. Check the USB cable.</translation>
    </message>
    <message id="hid_permission">
        <source>hid_permission</source>
        <extracomment>A technical reason in English follows on its own lines</extracomment>
        <translation>The robot arm board was found but cannot be opened.</translation>
    </message>
    <message id="normal_mode">
        <source>normal_mode</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Action Editor</translation>
    </message>
    <message id="servo_adjust">
        <source>servo_adjust</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>Bus Servo Tool</translation>
    </message>
    <message id="link_virtual">
        <source>link_virtual</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Virtual Board</translation>
    </message>
    <message id="link_switch_tips">
        <source>link_switch_tips</source>
        <extracomment>Tool tip of the board badge in the top bar</extracomment>
        <translation>Click to switch between the USB board and the virtual board.</translation>
    </message>
    <message id="comfirm">
        <source>comfirm</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>OK</translation>
    </message>
    <message id="cancel">
        <source>cancel</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>Cancel</translation>
    </message>
    <message id="USB-HID Connected">
        <source>USB-HID Connected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>USB Device Connected</translation>
    </message>
    <message id="USB-HID Disconnected">
        <source>USB-HID Disconnected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>USB Device Disconnected</translation>
    </message>
    <message id="USB-HID">
        <source>USB-HID</source>
        <extracomment>Starts the notification text; the device name and the connected or disconnected phrase follow</extracomment>
        <translation>USB device</translation>
    </message>
    <message id="Serial Port Connected">
        <source>Serial Port Connected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>Serial Port Connected</translation>
    </message>
    <message id="Serial Port Disconnected">
        <source>Serial Port Disconnected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>Serial Port Disconnected</translation>
    </message>
    <message id="Serial Port">
        <source>Serial Port</source>
        <extracomment>Starts the notification text; the port name and the connected or disconnected phrase follow</extracomment>
        <translation>Serial port</translation>
    </message>
    <message id="was connected to your Mac.">
        <source>was connected to your Mac.</source>
        <extracomment>Ends the notification text after a device or port name</extracomment>
        <translation>was connected to this computer.</translation>
    </message>
    <message id="was disconnected from your Mac.">
        <source>was disconnected from your Mac.</source>
        <extracomment>Ends the notification text after a device or port name</extracomment>
        <translation>was disconnected from this computer.</translation>
    </message>
    <message id="tag_release">
        <source>tag_release</source>
        <extracomment>Label</extracomment>
        <translation>R</translation>
    </message>
    <message id="tag_close">
        <source>tag_close</source>
        <extracomment>Label</extracomment>
        <translation>C</translation>
    </message>
    <message id="tag_left">
        <source>tag_left</source>
        <extracomment>Label</extracomment>
        <translation>L</translation>
    </message>
    <message id="tag_right">
        <source>tag_right</source>
        <extracomment>Label</extracomment>
        <translation>R</translation>
    </message>
    <message id="tag_forward">
        <source>tag_forward</source>
        <extracomment>Label</extracomment>
        <translation>F</translation>
    </message>
    <message id="tag_backward">
        <source>tag_backward</source>
        <extracomment>Label</extracomment>
        <translation>B</translation>
    </message>
    <message id="window_title">
        <source>window_title</source>
        <extracomment>Window title; %1 is the version</extracomment>
        <translation>Vorn (V%1)</translation>
    </message>
    <message id="window_minimise">
        <source>window_minimise</source>
        <extracomment>Window button name</extracomment>
        <translation>Minimise</translation>
    </message>
    <message id="window_zoom">
        <source>window_zoom</source>
        <extracomment>Window button name</extracomment>
        <translation>Zoom</translation>
    </message>
    <message id="window_restore">
        <source>window_restore</source>
        <extracomment>Window button name while zoomed</extracomment>
        <translation>Restore</translation>
    </message>
    <message id="window_close">
        <source>window_close</source>
        <extracomment>Window button name</extracomment>
        <translation>Close</translation>
    </message>
    <message id="window_minimise_tips">
        <source>window_minimise_tips</source>
        <extracomment>Description of the window button</extracomment>
        <translation>Hides the window in the task bar.</translation>
    </message>
    <message id="window_zoom_tips">
        <source>window_zoom_tips</source>
        <extracomment>Description of the window button</extracomment>
        <translation>Lets the window fill the screen, or gives it back its size. A double click on the top bar does the same.</translation>
    </message>
    <message id="window_close_tips">
        <source>window_close_tips</source>
        <extracomment>Description of the window button</extracomment>
        <translation>Closes Vorn (Ctrl+Q).</translation>
    </message>
    <message id="window_fixed_tips">
        <source>window_fixed_tips</source>
        <extracomment>Tool tip of the disabled zoom button</extracomment>
        <translation>On this screen the window keeps a fixed size.</translation>
    </message>
    <message id="link_usb_none">
        <source>link_usb_none</source>
        <extracomment>Badge: USB chosen, no board plugged in</extracomment>
        <translation>USB – no board</translation>
    </message>
    <message id="link_usb_board">
        <source>link_usb_board</source>
        <extracomment>Badge: USB chosen, board open; %1 is its name</extracomment>
        <translation>USB – %1</translation>
    </message>
    <message id="link_usb_denied">
        <source>link_usb_denied</source>
        <extracomment>Badge: USB chosen, board present but not allowed to open</extracomment>
        <translation>USB – no permission</translation>
    </message>
    <message id="virtual_connected">
        <source>virtual_connected</source>
        <extracomment>Desktop notification title</extracomment>
        <translation>Virtual Board Connected</translation>
    </message>
    <message id="virtual_connected_text">
        <source>virtual_connected_text</source>
        <extracomment>Desktop notification text</extracomment>
        <translation>Vorn now talks to the virtual board; nothing is sent over USB.</translation>
    </message>
    <message id="virtual_disconnected">
        <source>virtual_disconnected</source>
        <extracomment>Desktop notification title</extracomment>
        <translation>Virtual Board Disconnected</translation>
    </message>
    <message id="virtual_disconnected_text">
        <source>virtual_disconnected_text</source>
        <extracomment>Desktop notification text</extracomment>
        <translation>Vorn no longer talks to the virtual board.</translation>
    </message>
    <message id="language_name">
        <source>language_name</source>
        <extracomment>Accessible name of the language selector</extracomment>
        <translation>Language</translation>
    </message>
    <message id="language_tips">
        <source>language_tips</source>
        <extracomment>Tool tip of the language selector</extracomment>
        <translation>Chooses the language of the window.</translation>
    </message>
    <message id="tabs_name">
        <source>tabs_name</source>
        <extracomment>Accessible name of the tab titles in the top bar</extracomment>
        <translation>Screens</translation>
    </message>
    <message id="tabs_tips">
        <source>tabs_tips</source>
        <extracomment>Accessible description of the tab titles</extracomment>
        <translation>The left and right arrows, Ctrl+Tab, Ctrl+1 and Ctrl+2 switch between the action editor and the bus servo tool.</translation>
    </message>
    <message id="slider_position_tips">
        <source>slider_position_tips</source>
        <extracomment>Accessible description of a channel position slider</extracomment>
        <translation>Moves the servo at once, from 0 to 1000.</translation>
    </message>
    <message id="slider_trim_tips">
        <source>slider_trim_tips</source>
        <extracomment>Accessible description of a channel trim slider</extracomment>
        <translation>Adjusts the servo trim, from -100 to 100.</translation>
    </message>
</context>
</TS>
