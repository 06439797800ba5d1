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
        <extracomment>Message of a tip dialog; %1 to %2 the values the cell takes</extracomment>
        <translation>Invalid value: type a whole number from %1 to %2. The change was not applied.</translation>
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
        <translation>Erase action group %1 from the board?</translation>
    </message>
    <message id="open_panel_title">
        <source>open_panel_title</source>
        <extracomment>Title of the file panel that opens an action file</extracomment>
        <translation>Open an action file</translation>
    </message>
    <message id="integrate_panel_title">
        <source>integrate_panel_title</source>
        <extracomment>Title of the file panel whose files are merged into the list</extracomment>
        <translation>Merge action files into the list</translation>
    </message>
    <message id="comfirm_all_erase">
        <source>comfirm_all_erase</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>Erase all action groups stored on the board?</translation>
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
    <message id="slider_reversed">
        <source>slider_reversed</source>
        <extracomment>Tooltip of a reversed channel's position slider</extracomment>
        <translation>The servo is mounted the other way round: the slider runs from right to left</translation>
    </message>
    <message id="slider_frame_mark">
        <source>slider_frame_mark</source>
        <extracomment>Tooltip of a channel's position slider: the position the table's selected frame holds, marked on the track</extracomment>
        <translation>In the selected frame: %1</translation>
    </message>
    <message id="slider_range">
        <source>slider_range</source>
        <extracomment>Tooltip of a channel's position slider; its safe range</extracomment>
        <translation>Safe range: %1 to %2</translation>
    </message>
    <message id="send_clamped">
        <source>send_clamped</source>
        <extracomment>Status line once per run or download; %1 first frame number, %2 its channel, %3 and %4 the channel's safe range</extracomment>
        <translation>Positions outside a safe range go out at its nearest end: the first in frame %1, %2 (%3 to %4)</translation>
    </message>
    <message id="strike_ask_download">
        <source>strike_ask_download</source>
        <extracomment>Question before a download into the board; %1 frame number, %2 what it would strike. Cancel is the default</extracomment>
        <translation>Frame %1 would strike %2. Download the list into the board anyway?</translation>
    </message>
    <message id="strike_ask_run">
        <source>strike_ask_run</source>
        <extracomment>Question before an online run; %1 frame number, %2 what it would strike. Cancel is the default</extracomment>
        <translation>Frame %1 would strike %2. Run the list anyway?</translation>
    </message>
    <message id="mark_frame">
        <source>mark_frame</source>
        <extracomment>First line of the curves' tooltip on a marked frame; %1 the frame's number</extracomment>
        <translation>Frame %1</translation>
    </message>
    <message id="strike_mark">
        <source>strike_mark</source>
        <extracomment>Table and curve tooltip of a frame whose pose would strike; %1 is strike_ground, strike_column or strike_both</extracomment>
        <translation>This pose would strike %1</translation>
    </message>
    <message id="strike_both">
        <source>strike_both</source>
        <extracomment>What a pose would strike, inserted into strike_mark, the questions and vornctl's refusals</extracomment>
        <translation>the ground and the base's column</translation>
    </message>
    <message id="strike_column">
        <source>strike_column</source>
        <extracomment>What a pose would strike, inserted into strike_mark, the questions and vornctl's refusals</extracomment>
        <translation>the base's column</translation>
    </message>
    <message id="strike_ground">
        <source>strike_ground</source>
        <extracomment>What a pose would strike, inserted into strike_mark, the questions and vornctl's refusals</extracomment>
        <translation>the ground</translation>
    </message>
    <message id="range_outside">
        <source>range_outside</source>
        <extracomment>Table and curve tooltip: a stored position lies outside a channel's safe range. %1 channel (ID:3 (Wrist)), %2 lowest, %3 highest</extracomment>
        <translation>Outside the safe range of %1: %2 to %3</translation>
    </message>
    <message id="download_dev_tips">
        <source>download_dev_tips</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>Store the current trims in the servos?</translation>
    </message>
    <message id="reset_dev_tips">
        <source>reset_dev_tips</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>Set every servo&#x27;s trim to 0 and store it in the servos?</translation>
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
    <message id="serial_usb_in_use">
        <source>serial_usb_in_use</source>
        <extracomment>Message of a tip dialog: the serial port&#x27;s Connect while the USB board is connected</extracomment>
        <translation>The board is connected over USB. Unplug it to connect over the serial port.</translation>
    </message>
    <message id="progress">
        <source>progress</source>
        <extracomment>Button title while a download runs; also a tip and the prefix of the file being downloaded</extracomment>
        <translation>Downloading…</translation>
    </message>
    <message id="download_success">
        <source>download_success</source>
        <extracomment>Result line of the bus-servo tool, fades</extracomment>
        <translation>Download complete.</translation>
    </message>
    <message id="read_success">
        <source>read_success</source>
        <extracomment>Result line of the bus-servo tool, fades</extracomment>
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
    <message id="download_fail">
        <source>download_fail</source>
        <extracomment>Message of a tip dialog. %1 the file or group, %2 the download step (1 to 5), %3 what happened (download_no_ack, download_send_fail or download_board_lost)</extracomment>
        <translation>%1 was not downloaded: step %2 failed, %3.</translation>
    </message>
    <message id="download_fail_earlier_kept">
        <source>download_fail_earlier_kept</source>
        <extracomment>Follows download_fail in a batch download that stopped after its first file</extracomment>
        <translation>The files before it are stored in their groups.</translation>
    </message>
    <message id="download_no_ack">
        <source>download_no_ack</source>
        <extracomment>Completes download_fail</extracomment>
        <translation>the board did not confirm it in time</translation>
    </message>
    <message id="download_send_fail">
        <source>download_send_fail</source>
        <extracomment>Completes download_fail</extracomment>
        <translation>it could not be sent to the board</translation>
    </message>
    <message id="download_board_lost">
        <source>download_board_lost</source>
        <extracomment>Completes download_fail</extracomment>
        <translation>the board was disconnected</translation>
    </message>
    <message id="download_frame">
        <source>download_frame</source>
        <extracomment>Under the file being downloaded; %1 the frame, %2 the frames of the file</extracomment>
        <translation>Frame %1 of %2</translation>
    </message>
    <message id="led_on">
        <source>led_on</source>
        <extracomment>State of the servo's LED switch</extracomment>
        <translation>ON</translation>
    </message>
    <message id="led_off">
        <source>led_off</source>
        <extracomment>State of the servo's LED switch</extracomment>
        <translation>OFF</translation>
    </message>
    <message id="servo_id_label">
        <source>servo_id_label</source>
        <extracomment>Caption before the servo id field</extracomment>
        <translation>ID:</translation>
    </message>
    <message id="upper_limit">
        <source>upper_limit</source>
        <extracomment>Caption of an upper limit slider, short</extracomment>
        <translation>Max</translation>
    </message>
    <message id="lower_limit">
        <source>lower_limit</source>
        <extracomment>Caption of a lower limit slider, short</extracomment>
        <translation>Min</translation>
    </message>
    <message id="virtual_bus_servos">
        <source>virtual_bus_servos</source>
        <extracomment>Section of the virtual board's menu on the link badge</extracomment>
        <translation>Bus servos on the virtual board</translation>
    </message>
    <message id="bus_servos_none">
        <source>bus_servos_none</source>
        <extracomment>Menu entry</extracomment>
        <translation>None</translation>
    </message>
    <message id="bus_servos_one">
        <source>bus_servos_one</source>
        <extracomment>Menu entry</extracomment>
        <translation>One servo</translation>
    </message>
    <message id="bus_servos_two">
        <source>bus_servos_two</source>
        <extracomment>Menu entry</extracomment>
        <translation>Two servos</translation>
    </message>
    <message id="ctl_help_app">
        <source>ctl_help_app</source>
        <extracomment>Command-line help</extracomment>
        <translation>vornctl: the robot arm's controller board and action files from the command line</translation>
    </message>
    <message id="ctl_help_verbose">
        <source>ctl_help_verbose</source>
        <extracomment>Command-line help</extracomment>
        <translation>Show the link's log on standard error</translation>
    </message>
    <message id="ctl_help_list">
        <source>ctl_help_list</source>
        <extracomment>Command-line help</extracomment>
        <translation>Boards found on USB and the serial ports</translation>
    </message>
    <message id="ctl_help_list_simulate">
        <source>ctl_help_list_simulate</source>
        <extracomment>Command-line help</extracomment>
        <translation>List the virtual board as well</translation>
    </message>
    <message id="ctl_help_json">
        <source>ctl_help_json</source>
        <extracomment>Command-line help</extracomment>
        <translation>Print JSON</translation>
    </message>
    <message id="ctl_help_download">
        <source>ctl_help_download</source>
        <extracomment>Command-line help</extracomment>
        <translation>Download an action file into a group</translation>
    </message>
    <message id="ctl_help_download_many">
        <source>ctl_help_download_many</source>
        <extracomment>Command-line help</extracomment>
        <translation>Download action files, each into the group its name begins with (3号wave.rob)</translation>
    </message>
    <message id="ctl_help_group">
        <source>ctl_help_group</source>
        <extracomment>Command-line help</extracomment>
        <translation>Action group</translation>
    </message>
    <message id="ctl_help_group_or_all">
        <source>ctl_help_group_or_all</source>
        <extracomment>Command-line help</extracomment>
        <translation>Action group, or all</translation>
    </message>
    <message id="ctl_help_rob_file">
        <source>ctl_help_rob_file</source>
        <extracomment>Command-line help</extracomment>
        <translation>Action file (.rob)</translation>
    </message>
    <message id="ctl_help_rob_files">
        <source>ctl_help_rob_files</source>
        <extracomment>Command-line help</extracomment>
        <translation>Action files named &lt;group&gt;号&lt;name&gt;.rob</translation>
    </message>
    <message id="ctl_help_skip_refused">
        <source>ctl_help_skip_refused</source>
        <extracomment>Command-line help</extracomment>
        <translation>Send the files that can go and name the refused ones (exit code 1), instead of sending none</translation>
    </message>
    <message id="ctl_help_run">
        <source>ctl_help_run</source>
        <extracomment>Command-line help</extracomment>
        <translation>Run a stored action group</translation>
    </message>
    <message id="ctl_help_times">
        <source>ctl_help_times</source>
        <extracomment>Command-line help</extracomment>
        <translation>How many times over to run it</translation>
    </message>
    <message id="ctl_help_stop">
        <source>ctl_help_stop</source>
        <extracomment>Command-line help</extracomment>
        <translation>Stop the running action group</translation>
    </message>
    <message id="ctl_help_erase">
        <source>ctl_help_erase</source>
        <extracomment>Command-line help</extracomment>
        <translation>Erase an action group, or all of them</translation>
    </message>
    <message id="ctl_help_yes">
        <source>ctl_help_yes</source>
        <extracomment>Command-line help</extracomment>
        <translation>Do not ask</translation>
    </message>
    <message id="ctl_help_move">
        <source>ctl_help_move</source>
        <extracomment>Command-line help</extracomment>
        <translation>Move one servo</translation>
    </message>
    <message id="ctl_help_servo_id">
        <source>ctl_help_servo_id</source>
        <extracomment>Command-line help</extracomment>
        <translation>Servo id</translation>
    </message>
    <message id="ctl_help_position">
        <source>ctl_help_position</source>
        <extracomment>Command-line help</extracomment>
        <translation>Position</translation>
    </message>
    <message id="ctl_help_time">
        <source>ctl_help_time</source>
        <extracomment>Command-line help</extracomment>
        <translation>Time of the move in ms (0 on USB, 20 on serial)</translation>
    </message>
    <message id="ctl_help_reset">
        <source>ctl_help_reset</source>
        <extracomment>Command-line help</extracomment>
        <translation>Move servos 1 to 40 to 500 in one second</translation>
    </message>
    <message id="ctl_help_unload">
        <source>ctl_help_unload</source>
        <extracomment>Command-line help</extracomment>
        <translation>Power servos off so that the arm can be posed by hand</translation>
    </message>
    <message id="ctl_help_ids">
        <source>ctl_help_ids</source>
        <extracomment>Command-line help</extracomment>
        <translation>Servo ids (default 1 to 6)</translation>
    </message>
    <message id="ctl_help_read_positions">
        <source>ctl_help_read_positions</source>
        <extracomment>Command-line help</extracomment>
        <translation>Read servo positions</translation>
    </message>
    <message id="ctl_help_trims">
        <source>ctl_help_trims</source>
        <extracomment>Command-line help</extracomment>
        <translation>Servo position trims</translation>
    </message>
    <message id="ctl_help_trims_read">
        <source>ctl_help_trims_read</source>
        <extracomment>Command-line help</extracomment>
        <translation>Read trims</translation>
    </message>
    <message id="ctl_help_trims_store">
        <source>ctl_help_trims_store</source>
        <extracomment>Command-line help</extracomment>
        <translation>Store the servos' current trims in the servos</translation>
    </message>
    <message id="ctl_help_trims_adjust">
        <source>ctl_help_trims_adjust</source>
        <extracomment>Command-line help</extracomment>
        <translation>Set a servo's trim (not stored until trims store)</translation>
    </message>
    <message id="ctl_help_trim_value">
        <source>ctl_help_trim_value</source>
        <extracomment>Command-line help</extracomment>
        <translation>Trim</translation>
    </message>
    <message id="ctl_help_servo">
        <source>ctl_help_servo</source>
        <extracomment>Command-line help</extracomment>
        <translation>A serial bus servo on the board's bus</translation>
    </message>
    <message id="ctl_help_servo_check">
        <source>ctl_help_servo_check</source>
        <extracomment>Command-line help</extracomment>
        <translation>Count the bus servos that answer (ids 1 to 6)</translation>
    </message>
    <message id="ctl_help_servo_read">
        <source>ctl_help_servo_read</source>
        <extracomment>Command-line help</extracomment>
        <translation>Read every parameter of the bus servo</translation>
    </message>
    <message id="ctl_help_servo_write">
        <source>ctl_help_servo_write</source>
        <extracomment>Command-line help</extracomment>
        <translation>Change the given parameters of the only servo on the bus (read, then write)</translation>
    </message>
    <message id="ctl_help_servo_motor">
        <source>ctl_help_servo_motor</source>
        <extracomment>Command-line help</extracomment>
        <translation>Turn the servo as a motor at a signed speed</translation>
    </message>
    <message id="ctl_help_speed">
        <source>ctl_help_speed</source>
        <extracomment>Command-line help</extracomment>
        <translation>Speed</translation>
    </message>
    <message id="ctl_help_servo_mode">
        <source>ctl_help_servo_mode</source>
        <extracomment>Command-line help</extracomment>
        <translation>Switch the servo between servo and motor mode</translation>
    </message>
    <message id="ctl_help_mode">
        <source>ctl_help_mode</source>
        <extracomment>Command-line help</extracomment>
        <translation>servo or motor</translation>
    </message>
    <message id="ctl_help_file">
        <source>ctl_help_file</source>
        <extracomment>Command-line help</extracomment>
        <translation>Show and convert action files</translation>
    </message>
    <message id="ctl_help_profiles">
        <source>ctl_help_profiles</source>
        <extracomment>Command-line help</extracomment>
        <translation>List the arm profiles --profile can name, one per line</translation>
    </message>
    <message id="ctl_help_file_show">
        <source>ctl_help_file_show</source>
        <extracomment>Command-line help</extracomment>
        <translation>Print the frames of an action file</translation>
    </message>
    <message id="ctl_help_file_export">
        <source>ctl_help_file_export</source>
        <extracomment>Command-line help</extracomment>
        <translation>Write an action file as JSON or CSV</translation>
    </message>
    <message id="ctl_help_export_format">
        <source>ctl_help_export_format</source>
        <extracomment>Command-line help</extracomment>
        <translation>json or csv (default: from -o, else json)</translation>
    </message>
    <message id="ctl_help_export_output">
        <source>ctl_help_export_output</source>
        <extracomment>Command-line help</extracomment>
        <translation>Output file (default: standard output)</translation>
    </message>
    <message id="ctl_help_file_import">
        <source>ctl_help_file_import</source>
        <extracomment>Command-line help</extracomment>
        <translation>Make an action file from JSON or CSV</translation>
    </message>
    <message id="ctl_help_import_input">
        <source>ctl_help_import_input</source>
        <extracomment>Command-line help</extracomment>
        <translation>JSON or CSV file</translation>
    </message>
    <message id="ctl_help_import_format">
        <source>ctl_help_import_format</source>
        <extracomment>Command-line help</extracomment>
        <translation>json or csv (default: from the file name)</translation>
    </message>
    <message id="ctl_help_import_output">
        <source>ctl_help_import_output</source>
        <extracomment>Command-line help</extracomment>
        <translation>Action file to write (.rob)</translation>
    </message>
    <message id="ctl_help_simulate">
        <source>ctl_help_simulate</source>
        <extracomment>Command-line help</extracomment>
        <translation>Use the virtual board instead of USB</translation>
    </message>
    <message id="ctl_help_sim_servos">
        <source>ctl_help_sim_servos</source>
        <extracomment>Command-line help</extracomment>
        <translation>Servos on the virtual board's bus (default 1)</translation>
    </message>
    <message id="ctl_help_serial">
        <source>ctl_help_serial</source>
        <extracomment>Command-line help</extracomment>
        <translation>Send over this serial port instead</translation>
    </message>
    <message id="ctl_help_baud">
        <source>ctl_help_baud</source>
        <extracomment>Command-line help</extracomment>
        <translation>Serial speed (default 9600)</translation>
    </message>
    <message id="ctl_help_timeout">
        <source>ctl_help_timeout</source>
        <extracomment>Command-line help</extracomment>
        <translation>Wait at most this many ms (default 10000)</translation>
    </message>
    <message id="ctl_help_trace">
        <source>ctl_help_trace</source>
        <extracomment>Command-line help</extracomment>
        <translation>Print every frame sent (&gt;) and report received (&lt;) as hex on stderr</translation>
    </message>
    <message id="ctl_help_exit_codes">
        <source>ctl_help_exit_codes</source>
        <extracomment>Command-line help, heading</extracomment>
        <translation>Exit codes:</translation>
    </message>
    <message id="ctl_help_param_id">
        <source>ctl_help_param_id</source>
        <extracomment>Command-line help</extracomment>
        <translation>bus id</translation>
    </message>
    <message id="ctl_help_param_min_angle">
        <source>ctl_help_param_min_angle</source>
        <extracomment>Command-line help</extracomment>
        <translation>lower angle limit</translation>
    </message>
    <message id="ctl_help_param_max_angle">
        <source>ctl_help_param_max_angle</source>
        <extracomment>Command-line help</extracomment>
        <translation>upper angle limit</translation>
    </message>
    <message id="ctl_help_param_min_voltage">
        <source>ctl_help_param_min_voltage</source>
        <extracomment>Command-line help</extracomment>
        <translation>lowest supply voltage, volts</translation>
    </message>
    <message id="ctl_help_param_max_voltage">
        <source>ctl_help_param_max_voltage</source>
        <extracomment>Command-line help</extracomment>
        <translation>highest supply voltage, volts</translation>
    </message>
    <message id="ctl_help_param_temperature">
        <source>ctl_help_param_temperature</source>
        <extracomment>Command-line help</extracomment>
        <translation>temperature limit, degrees Celsius</translation>
    </message>
    <message id="ctl_help_param_led">
        <source>ctl_help_param_led</source>
        <extracomment>Command-line help</extracomment>
        <translation>LED on or off</translation>
    </message>
    <message id="ctl_help_param_stall">
        <source>ctl_help_param_stall</source>
        <extracomment>Command-line help</extracomment>
        <translation>alarm on a locked rotor, on or off</translation>
    </message>
    <message id="ctl_help_param_over_voltage">
        <source>ctl_help_param_over_voltage</source>
        <extracomment>Command-line help</extracomment>
        <translation>alarm on over-voltage, on or off</translation>
    </message>
    <message id="ctl_help_param_over_temperature">
        <source>ctl_help_param_over_temperature</source>
        <extracomment>Command-line help</extracomment>
        <translation>alarm on over-temperature, on or off</translation>
    </message>
    <message id="ctl_exit_done">
        <source>ctl_exit_done</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>done</translation>
    </message>
    <message id="ctl_exit_failed">
        <source>ctl_exit_failed</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>failed otherwise</translation>
    </message>
    <message id="ctl_exit_usage">
        <source>ctl_exit_usage</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>bad usage</translation>
    </message>
    <message id="ctl_exit_no_board">
        <source>ctl_exit_no_board</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>no board (or the serial port cannot be opened)</translation>
    </message>
    <message id="ctl_exit_several_boards">
        <source>ctl_exit_several_boards</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>several boards on USB</translation>
    </message>
    <message id="ctl_exit_no_permission">
        <source>ctl_exit_no_permission</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>no permission to open the board</translation>
    </message>
    <message id="ctl_exit_time_out">
        <source>ctl_exit_time_out</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>the board did not answer in time</translation>
    </message>
    <message id="ctl_exit_board_lost">
        <source>ctl_exit_board_lost</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>the board was lost</translation>
    </message>
    <message id="ctl_exit_refused">
        <source>ctl_exit_refused</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>refused by the board or the user</translation>
    </message>
    <message id="ctl_exit_file_error">
        <source>ctl_exit_file_error</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>file error</translation>
    </message>
    <message id="ctl_bad_fault">
        <source>ctl_bad_fault</source>
        <extracomment>Error; %1 a fault setting</extracomment>
        <translation>bad virtual-board fault &quot;%1&quot;</translation>
    </message>
    <message id="ctl_bad_fault_number">
        <source>ctl_bad_fault_number</source>
        <extracomment>Error; %1 a fault setting, %2 what is wrong with one of its numbers</extracomment>
        <translation>virtual-board fault &quot;%1&quot;: %2</translation>
    </message>
    <message id="ctl_unknown_fault">
        <source>ctl_unknown_fault</source>
        <extracomment>Error; %1 a fault setting</extracomment>
        <translation>unknown virtual-board fault &quot;%1&quot;</translation>
    </message>
    <message id="ctl_bad_baud">
        <source>ctl_bad_baud</source>
        <extracomment>Error</extracomment>
        <translation>%1 is not a standard baud rate</translation>
    </message>
    <message id="ctl_serial_open_failed">
        <source>ctl_serial_open_failed</source>
        <extracomment>Error; %1 port, %2 reason</extracomment>
        <translation>cannot open the serial port %1: %2</translation>
    </message>
    <message id="ctl_no_board_in_time">
        <source>ctl_no_board_in_time</source>
        <extracomment>Error</extracomment>
        <translation>the board did not come up within %1 ms</translation>
    </message>
    <message id="ctl_lost_sending">
        <source>ctl_lost_sending</source>
        <extracomment>Error</extracomment>
        <translation>the board was lost while sending</translation>
    </message>
    <message id="ctl_lost_waiting">
        <source>ctl_lost_waiting</source>
        <extracomment>Error</extracomment>
        <translation>the board was lost while waiting for its answer</translation>
    </message>
    <message id="ctl_lost_starting">
        <source>ctl_lost_starting</source>
        <extracomment>Error</extracomment>
        <translation>the board was lost while starting the download</translation>
    </message>
    <message id="ctl_lost_downloading">
        <source>ctl_lost_downloading</source>
        <extracomment>Error</extracomment>
        <translation>the board was lost while downloading group %1</translation>
    </message>
    <message id="ctl_serial_write_failed">
        <source>ctl_serial_write_failed</source>
        <extracomment>Error</extracomment>
        <translation>cannot write to the serial port %1</translation>
    </message>
    <message id="ctl_send_failed">
        <source>ctl_send_failed</source>
        <extracomment>Error</extracomment>
        <translation>the frame could not be sent to the board</translation>
    </message>
    <message id="ctl_no_answer">
        <source>ctl_no_answer</source>
        <extracomment>Error</extracomment>
        <translation>the board did not answer within %1 ms</translation>
    </message>
    <message id="ctl_cannot_download">
        <source>ctl_cannot_download</source>
        <extracomment>Error</extracomment>
        <translation>cannot download: %1</translation>
    </message>
    <message id="ctl_no_acknowledgement">
        <source>ctl_no_acknowledgement</source>
        <extracomment>Error</extracomment>
        <translation>the board did not acknowledge step %1 of group %2 within %3 ms</translation>
    </message>
    <message id="ctl_step_not_sent">
        <source>ctl_step_not_sent</source>
        <extracomment>Error</extracomment>
        <translation>step %1 of group %2 could not be sent</translation>
    </message>
    <message id="ctl_download_cancelled">
        <source>ctl_download_cancelled</source>
        <extracomment>Error</extracomment>
        <translation>the download was cancelled</translation>
    </message>
    <message id="ctl_no_usb_board">
        <source>ctl_no_usb_board</source>
        <extracomment>Error</extracomment>
        <translation>no board found on USB (use --simulate for the virtual board)</translation>
    </message>
    <message id="py_no_usb_board">
        <source>py_no_usb_board</source>
        <extracomment>Error of the Python module</extracomment>
        <translation>no board found on USB (vorn.Board.simulate() opens the virtual board)</translation>
    </message>
    <message id="ctl_several_boards">
        <source>ctl_several_boards</source>
        <extracomment>Error</extracomment>
        <translation>%1 boards found on USB; leave one plugged in</translation>
    </message>
    <message id="ctl_no_permission">
        <source>ctl_no_permission</source>
        <extracomment>Error; %1 device path, %2 reason in brackets, %3 the udev hint</extracomment>
        <translation>no permission to open the board at %1%2. %3</translation>
    </message>
    <message id="ctl_udev_hint">
        <source>ctl_udev_hint</source>
        <extracomment>Hint</extracomment>
        <translation>Install the udev rule 70-vorn.rules (cmake --install, or the .deb), run &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot;, then replug the board.</translation>
    </message>
    <message id="ctl_too_many_ids">
        <source>ctl_too_many_ids</source>
        <extracomment>Error</extracomment>
        <translation>at most %1 ids at a time</translation>
    </message>
    <message id="ctl_no_answer_from">
        <source>ctl_no_answer_from</source>
        <extracomment>Error; %1 servo ids</extracomment>
        <translation>no answer from servo %1</translation>
    </message>
    <message id="ctl_progress_group" numerus="yes">
        <source>ctl_progress_group</source>
        <extracomment>Download progress line; %1 a group, %2 frames sent of %n</extracomment>
        <translation>
            <numerusform>group %1: %2/%n frame</numerusform>
            <numerusform>group %1: %2/%n frames</numerusform>
        </translation>
    </message>
    <message id="ctl_progress_bar">
        <source>ctl_progress_bar</source>
        <extracomment>Download progress bar label</extracomment>
        <translation>group %1</translation>
    </message>
    <message id="ctl_downloaded" numerus="yes">
        <source>ctl_downloaded</source>
        <extracomment>Result; %1 file name, %2 a group, %n its frames</extracomment>
        <translation>
            <numerusform>%1 downloaded into group %2 (%n frame)</numerusform>
            <numerusform>%1 downloaded into group %2 (%n frames)</numerusform>
        </translation>
    </message>
    <message id="ctl_range">
        <source>ctl_range</source>
        <extracomment>Command-line help; %1 to %2 are the smallest and largest number accepted</extracomment>
        <translation>%1 to %2</translation>
    </message>
    <message id="ctl_range_or">
        <source>ctl_range_or</source>
        <extracomment>Command-line help; %1 a range of numbers, %2 a word accepted instead</extracomment>
        <translation>%1, or %2</translation>
    </message>
    <message id="ctl_not_a_number">
        <source>ctl_not_a_number</source>
        <extracomment>Error; %1 what was typed, %2 what is accepted</extracomment>
        <translation>"%1" is not a decimal number; give %2</translation>
    </message>
    <message id="ctl_out_of_range">
        <source>ctl_out_of_range</source>
        <extracomment>Error; %1 what was typed, %2 what is accepted</extracomment>
        <translation>%1 is out of range; give %2</translation>
    </message>
    <message id="ctl_unknown_command">
        <source>ctl_unknown_command</source>
        <extracomment>Error; %1 what was typed, %2 the commands</extracomment>
        <translation>"%1" is not a command; the commands are: %2</translation>
    </message>
    <message id="ctl_command_needed">
        <source>ctl_command_needed</source>
        <extracomment>Error; %1 the commands</extracomment>
        <translation>a command is needed: %1</translation>
    </message>
    <message id="ctl_not_one_servo_to_read" numerus="yes">
        <source>ctl_not_one_servo_to_read</source>
        <extracomment>Error; %n bus servos answering</extracomment>
        <translation>
            <numerusform>%n bus servo answers; reading needs exactly one on the bus</numerusform>
            <numerusform>%n bus servos answer; reading needs exactly one on the bus</numerusform>
        </translation>
    </message>
    <message id="ctl_too_many_frames">
        <source>ctl_too_many_frames</source>
        <extracomment>Error</extracomment>
        <translation>%1 holds %2 frames; a group takes at most %3</translation>
    </message>
    <message id="ctl_not_asked">
        <source>ctl_not_asked</source>
        <extracomment>Error; %1 the question</extracomment>
        <translation>%1 Not asked: standard input is not a terminal; add --yes.</translation>
    </message>
    <message id="ctl_yes_no">
        <source>ctl_yes_no</source>
        <extracomment>Prompt after a question; the answers stay y and n</extracomment>
        <translation>[y/N]</translation>
    </message>
    <message id="ctl_erase_all_question">
        <source>ctl_erase_all_question</source>
        <extracomment>Question</extracomment>
        <translation>Erase every action group on the board?</translation>
    </message>
    <message id="ctl_erase_group_question">
        <source>ctl_erase_group_question</source>
        <extracomment>Question</extracomment>
        <translation>Erase action group %1 on the board?</translation>
    </message>
    <message id="ctl_nothing_erased">
        <source>ctl_nothing_erased</source>
        <extracomment>Result</extracomment>
        <translation>nothing erased</translation>
    </message>
    <message id="ctl_erased_all">
        <source>ctl_erased_all</source>
        <extracomment>Result</extracomment>
        <translation>every action group erased</translation>
    </message>
    <message id="ctl_erased_group">
        <source>ctl_erased_group</source>
        <extracomment>Result</extracomment>
        <translation>action group %1 erased</translation>
    </message>
    <message id="ctl_nothing_to_write">
        <source>ctl_nothing_to_write</source>
        <extracomment>Error</extracomment>
        <translation>give at least one parameter to write</translation>
    </message>
    <message id="ctl_not_one_servo" numerus="yes">
        <source>ctl_not_one_servo</source>
        <extracomment>Error; %n bus servos answering</extracomment>
        <translation>
            <numerusform>%n bus servo answers; writing needs exactly one on the bus</numerusform>
            <numerusform>%n bus servos answer; writing needs exactly one on the bus</numerusform>
        </translation>
    </message>
    <message id="ctl_usb_boards">
        <source>ctl_usb_boards</source>
        <extracomment>List heading</extracomment>
        <translation>USB boards:</translation>
    </message>
    <message id="ctl_serial_ports">
        <source>ctl_serial_ports</source>
        <extracomment>List heading</extracomment>
        <translation>Serial ports:</translation>
    </message>
    <message id="ctl_virtual_board">
        <source>ctl_virtual_board</source>
        <extracomment>List entry</extracomment>
        <translation>virtual board</translation>
    </message>
    <message id="ctl_none">
        <source>ctl_none</source>
        <extracomment>List entry</extracomment>
        <translation>none</translation>
    </message>
    <message id="ctl_no_permission_entry">
        <source>ctl_no_permission_entry</source>
        <extracomment>List entry; %1 the udev hint</extracomment>
        <translation>no permission: %1</translation>
    </message>
    <message id="ctl_bad_file_name">
        <source>ctl_bad_file_name</source>
        <extracomment>Error</extracomment>
        <translation>%1: the name must begin with a group number 0 to 230 and 号, as in 3号wave.rob</translation>
    </message>
    <message id="ctl_batch_refused" numerus="yes">
        <source>ctl_batch_refused</source>
        <extracomment>Error after the refused files of a batch are listed; %n their count</extracomment>
        <translation>
            <numerusform>%n file refused: nothing sent; --skip-refused sends the others</numerusform>
            <numerusform>%n files refused: nothing sent; --skip-refused sends the others</numerusform>
        </translation>
    </message>
    <message id="ctl_batch_all_refused" numerus="yes">
        <source>ctl_batch_all_refused</source>
        <extracomment>Error when every file of a batch is refused; %n their count</extracomment>
        <translation>
            <numerusform>%n file refused: nothing to send</numerusform>
            <numerusform>%n files refused: nothing to send</numerusform>
        </translation>
    </message>
    <message id="ctl_batch_sent_rest" numerus="yes">
        <source>ctl_batch_sent_rest</source>
        <extracomment>Result after a batch with --skip-refused; %n files left out</extracomment>
        <translation>
            <numerusform>%n file refused and not sent; the others are stored</numerusform>
            <numerusform>%n files refused and not sent; the others are stored</numerusform>
        </translation>
    </message>
    <message id="ctl_frame_outside_profile">
        <source>ctl_frame_outside_profile</source>
        <extracomment>vornctl: a download refused by --profile; %1 the file, %2 the frame (from 1), %3 the channel ("channel 3 (Wrist)"), %4 its position, %5 to %6 its safe range, %7 the profile</extracomment>
        <translation>%1, frame %2: %3 at %4 is outside its safe range %5 to %6 in the arm profile "%7"; nothing sent</translation>
    </message>
    <message id="ctl_frame_strikes">
        <source>ctl_frame_strikes</source>
        <extracomment>vornctl: a download refused by --profile; %1 the file, %2 the frame (from 1), %3 strike_ground, strike_column or strike_both, %4 the profile</extracomment>
        <translation>%1, frame %2 would strike %3 in the arm profile &quot;%4&quot;; nothing sent</translation>
    </message>
    <message id="ctl_move_outside_profile">
        <source>ctl_move_outside_profile</source>
        <extracomment>vornctl: a move refused by --profile; %1 the channel ("channel 3 (Wrist)"), %2 to %3 its safe range, %4 the profile, %5 the position asked for</extracomment>
        <translation>%1 may go from %2 to %3 in the arm profile "%4", not to %5; nothing sent</translation>
    </message>
    <message id="ctl_move_strikes">
        <source>ctl_move_strikes</source>
        <extracomment>vornctl: a move refused by --profile; %1 the channel (&quot;channel 5 (Shoulder)&quot;), %2 the position asked for, %3 strike_ground, strike_column or strike_both, %4 the profile</extracomment>
        <translation>%1 at %2 would strike %3 in the arm profile &quot;%4&quot;; nothing sent</translation>
    </message>
    <message id="ctl_channel_named">
        <source>ctl_channel_named</source>
        <extracomment>vornctl: a channel in a refusal; %1 its number, %2 its name in the arm profile</extracomment>
        <translation>channel %1 (%2)</translation>
    </message>
    <message id="ctl_channel">
        <source>ctl_channel</source>
        <extracomment>vornctl: a channel in a refusal; %1 its number</extracomment>
        <translation>channel %1</translation>
    </message>
    <message id="ctl_unknown_profile">
        <source>ctl_unknown_profile</source>
        <extracomment>vornctl: --profile names no profile; %1 the name given, %2 the profiles there are, each in quotes</extracomment>
        <translation>there is no arm profile "%1"; the profiles are: %2</translation>
    </message>
    <message id="ctl_help_profile">
        <source>ctl_help_profile</source>
        <extracomment>Command-line help of --profile NAME on move, download and download-many</extracomment>
        <translation>Refuse positions outside this arm profile's safe ranges, and poses that would strike</translation>
    </message>
    <message id="arm_profile_not_one_object">
        <source>arm_profile_not_one_object</source>
        <extracomment>Arm profile JSON check: the whole text must be one JSON object</extracomment>
        <translation>a profile must be one JSON object</translation>
    </message>
    <message id="arm_profile_not_json">
        <source>arm_profile_not_json</source>
        <extracomment>Arm profile JSON check: %1 the parser's message, %2 line, %3 column, %4 byte offset</extracomment>
        <translation>not JSON: %1 at line %2, column %3 (offset %4)</translation>
    </message>
    <message id="arm_profile_lowest_above_highest">
        <source>arm_profile_lowest_above_highest</source>
        <extracomment>Arm profile JSON check: a channel's safe range is upside down; %1 lowest, %2 highest position</extracomment>
        <translation>lowest %1 is above highest %2</translation>
    </message>
    <message id="arm_profile_channel_missing">
        <source>arm_profile_channel_missing</source>
        <extracomment>Arm profile JSON check: %1 a channel number 1 to 6</extracomment>
        <translation>channel %1 is missing</translation>
    </message>
    <message id="arm_profile_channel_twice">
        <source>arm_profile_channel_twice</source>
        <extracomment>Arm profile JSON check: %1 a channel number 1 to 6</extracomment>
        <translation>channel %1 is listed twice</translation>
    </message>
    <message id="arm_profile_not_list">
        <source>arm_profile_not_list</source>
        <extracomment>Arm profile JSON check: the value must be a JSON array [ ]</extracomment>
        <translation>must be a list</translation>
    </message>
    <message id="arm_profile_empty_name">
        <source>arm_profile_empty_name</source>
        <extracomment>Arm profile JSON check: the profile's name is empty</extracomment>
        <translation>must not be empty</translation>
    </message>
    <message id="arm_profile_link">
        <source>arm_profile_link</source>
        <extracomment>Arm profile JSON check: a link length in millimetres; %1 the largest allowed, %2 the given value</extracomment>
        <translation>must be above 0 and at most %1 mm, not %2</translation>
    </message>
    <message id="arm_profile_not_whole">
        <source>arm_profile_not_whole</source>
        <extracomment>Arm profile JSON check: %1 to %2 the allowed range</extracomment>
        <translation>must be a whole number %1 to %2</translation>
    </message>
    <message id="arm_profile_beyond">
        <source>arm_profile_beyond</source>
        <extracomment>Arm profile JSON check: %1 the given value, %2 to %3 the allowed range</extracomment>
        <translation>%1 is beyond %2 to %3</translation>
    </message>
    <message id="arm_profile_not_number">
        <source>arm_profile_not_number</source>
        <extracomment>Arm profile JSON check: the value must be a number</extracomment>
        <translation>must be a number</translation>
    </message>
    <message id="arm_profile_not_bool">
        <source>arm_profile_not_bool</source>
        <extracomment>Arm profile JSON check: the value must be true or false</extracomment>
        <translation>must be true or false</translation>
    </message>
    <message id="arm_profile_not_text">
        <source>arm_profile_not_text</source>
        <extracomment>Arm profile JSON check: the value must be a JSON string</extracomment>
        <translation>must be text</translation>
    </message>
    <message id="arm_profile_not_object">
        <source>arm_profile_not_object</source>
        <extracomment>Arm profile JSON check: the value must be a JSON object { }</extracomment>
        <translation>must be an object</translation>
    </message>
    <message id="arm_profile_missing">
        <source>arm_profile_missing</source>
        <extracomment>Arm profile JSON check: a required field is absent</extracomment>
        <translation>missing</translation>
    </message>
    <message id="arm_profile_fault_at">
        <source>arm_profile_fault_at</source>
        <extracomment>Arm profile JSON check: where the fault is (a JSON path such as joints.elbow.channel), then the fault</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message id="ctl_run_started">
        <source>ctl_run_started</source>
        <extracomment>Result</extracomment>
        <translation>group %1 started</translation>
    </message>
    <message id="ctl_stopped">
        <source>ctl_stopped</source>
        <extracomment>Result</extracomment>
        <translation>stopped</translation>
    </message>
    <message id="ctl_moved">
        <source>ctl_moved</source>
        <extracomment>Result</extracomment>
        <translation>servo %1 to %2 in %3 ms</translation>
    </message>
    <message id="ctl_reset_done">
        <source>ctl_reset_done</source>
        <extracomment>Result</extracomment>
        <translation>servos 1 to 40 to 500</translation>
    </message>
    <message id="ctl_unloaded">
        <source>ctl_unloaded</source>
        <extracomment>Result; %1 servo ids</extracomment>
        <translation>unloaded %1</translation>
    </message>
    <message id="ctl_trims_stored">
        <source>ctl_trims_stored</source>
        <extracomment>Result; %1 servo ids</extracomment>
        <translation>trims stored for %1</translation>
    </message>
    <message id="ctl_trim_set">
        <source>ctl_trim_set</source>
        <extracomment>Result</extracomment>
        <translation>servo %1 trim %2</translation>
    </message>
    <message id="ctl_servo_count">
        <source>ctl_servo_count</source>
        <extracomment>Result</extracomment>
        <translation>bus servos answering: %1</translation>
    </message>
    <message id="ctl_motor_speed">
        <source>ctl_motor_speed</source>
        <extracomment>Result</extracomment>
        <translation>servo %1 motor speed %2</translation>
    </message>
    <message id="ctl_in_servo_mode">
        <source>ctl_in_servo_mode</source>
        <extracomment>Result</extracomment>
        <translation>servo %1 in servo mode</translation>
    </message>
    <message id="ctl_in_motor_mode">
        <source>ctl_in_motor_mode</source>
        <extracomment>Result</extracomment>
        <translation>servo %1 in motor mode</translation>
    </message>
    <message id="ctl_param_range">
        <source>ctl_param_range</source>
        <extracomment>Error</extracomment>
        <translation>--%1 must lie between %2 and %3</translation>
    </message>
    <message id="ctl_angle_limits_cross">
        <source>ctl_angle_limits_cross</source>
        <extracomment>Error</extracomment>
        <translation>the lower angle limit (%1) must be below the upper (%2)</translation>
    </message>
    <message id="ctl_voltage_limits_cross">
        <source>ctl_voltage_limits_cross</source>
        <extracomment>Error</extracomment>
        <translation>the lowest voltage must be at least 0.1 V below the highest</translation>
    </message>
    <message id="ctl_say_format">
        <source>ctl_say_format</source>
        <extracomment>Error</extracomment>
        <translation>%1: say --format json or --format csv</translation>
    </message>
    <message id="ctl_frame_count">
        <source>ctl_frame_count</source>
        <extracomment>Result</extracomment>
        <translation>frames: %1</translation>
    </message>
    <message id="ctl_cannot_write">
        <source>ctl_cannot_write</source>
        <extracomment>Error</extracomment>
        <translation>cannot write %1: %2</translation>
    </message>
    <message id="ctl_cannot_read">
        <source>ctl_cannot_read</source>
        <extracomment>Error</extracomment>
        <translation>cannot read %1: %2</translation>
    </message>
    <message id="ctl_import_failed">
        <source>ctl_import_failed</source>
        <extracomment>Error; %1 file:line, field</extracomment>
        <translation>%1: %2; nothing written</translation>
    </message>
    <message id="ctl_frames_written" numerus="yes">
        <source>ctl_frames_written</source>
        <extracomment>Result; %n frames, %1 the file written</extracomment>
        <translation>
            <numerusform>%n frame written to %1</numerusform>
            <numerusform>%n frames written to %1</numerusform>
        </translation>
    </message>
    <message id="ctl_damaged">
        <source>ctl_damaged</source>
        <extracomment>Error</extracomment>
        <translation>%1 is damaged: it does not begin with an action file's 16-byte header</translation>
    </message>
    <message id="ctl_spare_bytes" numerus="yes">
        <source>ctl_spare_bytes</source>
        <extracomment>Warning; %1 a file, %n bytes</extracomment>
        <translation>
            <numerusform>%1: %n byte after the last whole frame is ignored</numerusform>
            <numerusform>%1: %n bytes after the last whole frame are ignored</numerusform>
        </translation>
    </message>
    <message id="action_text_not_whole">
        <source>action_text_not_whole</source>
        <extracomment>Import error; %1 the value</extracomment>
        <translation>%1 is not a whole number of 0 or more</translation>
    </message>
    <message id="action_text_over_16_bits">
        <source>action_text_over_16_bits</source>
        <extracomment>Import error</extracomment>
        <translation>%1 is over 65535</translation>
    </message>
    <message id="action_text_absent_marker">
        <source>action_text_absent_marker</source>
        <extracomment>Import error</extracomment>
        <translation>21845 marks an absent channel; write it as absent</translation>
    </message>
    <message id="action_text_this_value">
        <source>action_text_this_value</source>
        <extracomment>Import error, stands for a value that cannot be shown</extracomment>
        <translation>this value</translation>
    </message>
    <message id="action_text_no_frames">
        <source>action_text_no_frames</source>
        <extracomment>Import error</extracomment>
        <translation>expected an object with a &quot;frames&quot; array</translation>
    </message>
    <message id="action_text_too_many_frames">
        <source>action_text_too_many_frames</source>
        <extracomment>Import error</extracomment>
        <translation>an action file holds at most 65535 frames</translation>
    </message>
    <message id="action_text_frame_not_object">
        <source>action_text_frame_not_object</source>
        <extracomment>Import error</extracomment>
        <translation>a frame must be an object</translation>
    </message>
    <message id="action_text_unknown_field">
        <source>action_text_unknown_field</source>
        <extracomment>Import error</extracomment>
        <translation>unknown field</translation>
    </message>
    <message id="action_text_missing">
        <source>action_text_missing</source>
        <extracomment>Import error</extracomment>
        <translation>missing</translation>
    </message>
    <message id="action_text_first_line">
        <source>action_text_first_line</source>
        <extracomment>Import error</extracomment>
        <translation>the first line must be &quot;%1&quot;</translation>
    </message>
    <message id="action_text_field_count">
        <source>action_text_field_count</source>
        <extracomment>Import error</extracomment>
        <translation>%1 fields where 7 belong</translation>
    </message>
    <message id="read_no_channel">
        <source>read_no_channel</source>
        <extracomment>Message of a tip dialog: reading positions with every channel hidden</extracomment>
        <translation>Show at least one channel to read its servo position.</translation>
    </message>
    <message id="pose_no_channel">
        <source>pose_no_channel</source>
        <extracomment>Message of a tip dialog: adding or updating a frame with every channel hidden</extracomment>
        <translation>Show at least one channel to make a frame of the pose.</translation>
    </message>
    <message id="tip_add_action">
        <source>tip_add_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Add the pose on the sliders as a new frame at the end</translation>
    </message>
    <message id="tip_delete_action">
        <source>tip_delete_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Delete the selected frames</translation>
    </message>
    <message id="tip_update_action">
        <source>tip_update_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Replace the selected frame with the pose on the sliders</translation>
    </message>
    <message id="tip_insert_action">
        <source>tip_insert_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Insert the pose on the sliders before the selected frame</translation>
    </message>
    <message id="tip_open_action">
        <source>tip_open_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Open an action file in place of the frame list</translation>
    </message>
    <message id="tip_save_action">
        <source>tip_save_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Save the frame list to its file</translation>
    </message>
    <message id="tip_integrate_action">
        <source>tip_integrate_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Add the frames of action files to the end of the list</translation>
    </message>
    <message id="tip_read_deviation">
        <source>tip_read_deviation</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Read the trims the servos hold onto the trim sliders</translation>
    </message>
    <message id="tip_download_deviation">
        <source>tip_download_deviation</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Store the trims on the sliders in the servos</translation>
    </message>
    <message id="tip_reset_deviation">
        <source>tip_reset_deviation</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Set every trim slider back to 0 (nothing is sent)</translation>
    </message>
    <message id="tip_motor_off">
        <source>tip_motor_off</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Power the servos off so the arm can be posed by hand</translation>
    </message>
    <message id="tip_read_angle">
        <source>tip_read_angle</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Read the servos' positions back as a new frame</translation>
    </message>
    <message id="tip_reset_servo">
        <source>tip_reset_servo</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Move every servo to the middle (500)</translation>
    </message>
    <message id="tip_run_online">
        <source>tip_run_online</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Play the frame list on the arm; press again or Stop to end</translation>
    </message>
    <message id="tip_download">
        <source>tip_download</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Store the frame list in the board as the chosen action group</translation>
    </message>
    <message id="tip_run_action">
        <source>tip_run_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Run the chosen action group stored in the board</translation>
    </message>
    <message id="tip_stop">
        <source>tip_stop</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Stop whatever plays: the online run, a recording and the board's action group</translation>
    </message>
    <message id="tip_single_erase">
        <source>tip_single_erase</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Erase the chosen action group from the board</translation>
    </message>
    <message id="tip_all_erase">
        <source>tip_all_erase</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>Erase every action group from the board</translation>
    </message>
    <message id="tip_baud_rate">
        <source>tip_baud_rate</source>
        <extracomment>Tooltip of an editor control</extracomment>
        <translation>The serial line's speed; the arm's receiver must use the same</translation>
    </message>
    <message id="tip_serial_connect">
        <source>tip_serial_connect</source>
        <extracomment>Tooltip of an editor control</extracomment>
        <translation>Open or close the serial port; while it is open, moves go over it</translation>
    </message>
    <message id="tip_channel_box">
        <source>tip_channel_box</source>
        <extracomment>Tooltip of an editor control</extracomment>
        <translation>Show or hide this channel; a hidden channel takes no part in new frames</translation>
    </message>
    <message id="tip_select_all">
        <source>tip_select_all</source>
        <extracomment>Tooltip of an editor control</extracomment>
        <translation>Show or hide every channel at once</translation>
    </message>
    <message id="tip_loop">
        <source>tip_loop</source>
        <extracomment>Tooltip of an editor control</extracomment>
        <translation>Play the list again and again until stopped</translation>
    </message>
    <message id="group_running">
        <source>group_running</source>
        <extracomment>Status line: a group started on the board; %1 is its number</extracomment>
        <translation>Group %1 running — Stop or Esc ends it</translation>
    </message>
    <message id="group_stopped">
        <source>group_stopped</source>
        <extracomment>Status line: the running group was stopped</extracomment>
        <translation>Group %1 stopped</translation>
    </message>
    <message id="group_over">
        <source>group_over</source>
        <extracomment>Status line: a group's known length has passed</extracomment>
        <translation>Group %1 is over</translation>
    </message>
    <message id="group_stored" numerus="yes">
        <source>group_stored</source>
        <extracomment>Status line: a download ended well; %1 the group, %n its frames</extracomment>
        <translation>
            <numerusform>Group %1 stored: %n frame</numerusform>
            <numerusform>Group %1 stored: %n frames</numerusform>
        </translation>
    </message>
    <message id="group_erased">
        <source>group_erased</source>
        <extracomment>Status line: the board erased a group; %1 its number</extracomment>
        <translation>Group %1 erased</translation>
    </message>
    <message id="groups_erased">
        <source>groups_erased</source>
        <extracomment>Status line: the board erased every group</extracomment>
        <translation>All groups erased</translation>
    </message>
    <message id="trims_stored">
        <source>trims_stored</source>
        <extracomment>Status line: the board confirmed the trims were stored</extracomment>
        <translation>Trims stored in the servos</translation>
    </message>
    <message id="trims_reset">
        <source>trims_reset</source>
        <extracomment>Status line: the board confirmed storing the trims set to 0</extracomment>
        <translation>Trims set to 0 and stored in the servos</translation>
    </message>
    <message id="trims_read" numerus="yes">
        <source>trims_read</source>
        <extracomment>Status line: trims read back; %n servos answered</extracomment>
        <translation>
            <numerusform>Trims read from %n servo</numerusform>
            <numerusform>Trims read from %n servos</numerusform>
        </translation>
    </message>
    <message id="positions_read" numerus="yes">
        <source>positions_read</source>
        <extracomment>Status line: positions read back as a new frame; %1 its number, %n servos answered</extracomment>
        <translation>
            <numerusform>Frame %1 read from %n servo</numerusform>
            <numerusform>Frame %1 read from %n servos</numerusform>
        </translation>
    </message>
    <message id="trims_not_stored">
        <source>trims_not_stored</source>
        <extracomment>Status line: the board did not confirm storing the trims</extracomment>
        <translation>The trims were not stored: the board did not answer</translation>
    </message>
    <message id="serial_port_tips">
        <source>serial_port_tips</source>
        <extracomment>Tooltip of the serial port box</extracomment>
        <translation>Choose a serial port, or type a port path and press Enter.</translation>
    </message>
    <message id="is_file_velmar_ask">
        <source>is_file_velmar_ask</source>
        <extracomment>Question; %1 is a file name. Cancel is the default answer</extracomment>
        <translation>The last frame of “%1” looks like a file for another arm. Open it anyway?</translation>
    </message>
    <message id="file_too_many_frames">
        <source>file_too_many_frames</source>
        <extracomment>Tip; %1 is a file name</extracomment>
        <translation>“%1” holds more than 65,535 frames; only the first 65,535 were read.</translation>
    </message>
    <message id="save_too_many_frames">
        <source>save_too_many_frames</source>
        <extracomment>Tip; %1 is the largest number of frames a file holds</extracomment>
        <translation>An action file holds at most %1 frames. Delete some frames before saving.</translation>
    </message>
    <message id="save_frame_damaged">
        <source>save_frame_damaged</source>
        <extracomment>Tip; %1 is a frame number</extracomment>
        <translation>Frame %1 is damaged and cannot be saved. Update or delete it, then save again. Nothing was written.</translation>
    </message>
    <message id="file_error_not_found">
        <source>file_error_not_found</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>no such file</translation>
    </message>
    <message id="file_error_no_permission">
        <source>file_error_no_permission</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>no permission</translation>
    </message>
    <message id="file_error_not_a_file">
        <source>file_error_not_a_file</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>not a regular file</translation>
    </message>
    <message id="file_error_too_large">
        <source>file_error_too_large</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>too large</translation>
    </message>
    <message id="file_error_read_failed">
        <source>file_error_read_failed</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>read error</translation>
    </message>
    <message id="file_error_disk_full">
        <source>file_error_disk_full</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>disk full</translation>
    </message>
    <message id="file_error_read_only">
        <source>file_error_read_only</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>read-only file system</translation>
    </message>
    <message id="file_error_write_failed">
        <source>file_error_write_failed</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>write error</translation>
    </message>
    <message id="open_file_fail">
        <source>open_file_fail</source>
        <extracomment>Tip; %1 is a file name, %2 why it could not be read</extracomment>
        <translation>Could not open “%1”: %2</translation>
    </message>
    <message id="save_file_fail">
        <source>save_file_fail</source>
        <extracomment>Tip; %1 is a file name, %2 the system&#x27;s reason</extracomment>
        <translation>Could not save “%1”: %2</translation>
    </message>
    <message id="file_saved">
        <source>file_saved</source>
        <extracomment>Status line: the list was saved; %1 the file&#x27;s name</extracomment>
        <translation>Saved %1</translation>
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
    <message id="channel_field_tips">
        <source>channel_field_tips</source>
        <extracomment>Accessible description and tooltip of a channel's value fields</extracomment>
        <translation>Type a value and press Enter to send it; Escape restores the shown value. Up and Down move one step, Page Up and Page Down ten.</translation>
    </message>
    <message id="tag_left_end_tips">
        <source>tag_left_end_tips</source>
        <extracomment>Tooltip of the direction label on the left of a channel card's pair: what the slider's left end does</extracomment>
        <translation>The slider's left end turns the joint this way</translation>
    </message>
    <message id="tag_right_end_tips">
        <source>tag_right_end_tips</source>
        <extracomment>Tooltip of the direction label on the right of a channel card's pair: what the slider's right end does</extracomment>
        <translation>The slider's right end turns the joint this way</translation>
    </message>
    <message id="tag_release_meaning">
        <source>tag_release_meaning</source>
        <extracomment>What the gripper's release tag stands for, in the legend</extracomment>
        <translation>release</translation>
    </message>
    <message id="tag_close_meaning">
        <source>tag_close_meaning</source>
        <extracomment>What the gripper's close tag stands for, in the legend</extracomment>
        <translation>close</translation>
    </message>
    <message id="tag_left_meaning">
        <source>tag_left_meaning</source>
        <extracomment>What the left tag stands for, in the legend</extracomment>
        <translation>left</translation>
    </message>
    <message id="tag_right_meaning">
        <source>tag_right_meaning</source>
        <extracomment>What the right tag stands for, in the legend</extracomment>
        <translation>right</translation>
    </message>
    <message id="tag_forward_meaning">
        <source>tag_forward_meaning</source>
        <extracomment>What the forward tag stands for, in the legend</extracomment>
        <translation>forward</translation>
    </message>
    <message id="arm_view">
        <source>arm_view</source>
        <extracomment>Accessible name of the live arm view, which the user can drag to pose the arm</extracomment>
        <translation>Live arm</translation>
    </message>
    <message id="arm_view_tips">
        <source>arm_view_tips</source>
        <extracomment>Accessible description of the live arm view</extracomment>
        <translation>Drag the gripper's tip to move the arm, or the dial at the top right to turn the base. With the view focused, the arrow keys move the tip (Shift for larger steps) and Page Up and Page Down turn the base.</translation>
    </message>
    <message id="arm_lock_wrist">
        <source>arm_lock_wrist</source>
        <extracomment>Caption and accessible name of a switch in the live arm view: the wrist joint keeps its angle while the tip is dragged</extracomment>
        <translation>Lock wrist</translation>
    </message>
    <message id="arm_lock_wrist_tips">
        <source>arm_lock_wrist_tips</source>
        <extracomment>Tooltip and accessible description of the Lock wrist switch in the live arm view</extracomment>
        <translation>While you drag the gripper's tip: on, the wrist joint keeps its angle; off, the hand keeps its angle to the ground.</translation>
    </message>
    <message id="arm_out_of_reach">
        <source>arm_out_of_reach</source>
        <extracomment>Beside the red ring where the user dragged the arm's tip, when the arm cannot reach that point</extracomment>
        <translation>Out of reach</translation>
    </message>
    <message id="tag_backward_meaning">
        <source>tag_backward_meaning</source>
        <extracomment>What the backward tag stands for, in the legend</extracomment>
        <translation>backward</translation>
    </message>
    <message id="servo_angle_max_name">
        <source>servo_angle_max_name</source>
        <extracomment>Accessible name of the bus-servo tool's upper angle limit slider</extracomment>
        <translation>Upper angle limit</translation>
    </message>
    <message id="servo_angle_min_name">
        <source>servo_angle_min_name</source>
        <extracomment>Accessible name of the lower angle limit slider</extracomment>
        <translation>Lower angle limit</translation>
    </message>
    <message id="servo_voltage_min_name">
        <source>servo_voltage_min_name</source>
        <extracomment>Accessible name of the lower voltage limit slider</extracomment>
        <translation>Lower voltage limit</translation>
    </message>
    <message id="servo_voltage_max_name">
        <source>servo_voltage_max_name</source>
        <extracomment>Accessible name of the upper voltage limit slider</extracomment>
        <translation>Upper voltage limit</translation>
    </message>
    <message id="servo_alarm_heat_name">
        <source>servo_alarm_heat_name</source>
        <extracomment>Accessible name of the overheat alarm switch</extracomment>
        <translation>LED alarm on overheat</translation>
    </message>
    <message id="servo_alarm_voltage_name">
        <source>servo_alarm_voltage_name</source>
        <extracomment>Accessible name of the overvoltage alarm switch</extracomment>
        <translation>LED alarm on overvoltage</translation>
    </message>
    <message id="servo_alarm_stall_name">
        <source>servo_alarm_stall_name</source>
        <extracomment>Accessible name of the stall alarm switch</extracomment>
        <translation>LED alarm on stall</translation>
    </message>
    <message id="servo_test_time_name">
        <source>servo_test_time_name</source>
        <extracomment>Accessible name of the servo test's time field and slider</extracomment>
        <translation>Move time (ms)</translation>
    </message>
    <message id="servo_test_position_name">
        <source>servo_test_position_name</source>
        <extracomment>Accessible name of the servo test's position field and slider</extracomment>
        <translation>Target position</translation>
    </message>
    <message id="servo_test_speed_name">
        <source>servo_test_speed_name</source>
        <extracomment>Accessible name of the motor speed field and slider</extracomment>
        <translation>Motor speed</translation>
    </message>
    <message id="servo_write_tips">
        <source>servo_write_tips</source>
        <extracomment>Accessible description of a servo parameter control</extracomment>
        <translation>Written to the servo when you press Write.</translation>
    </message>
    <message id="servo_field_tips">
        <source>servo_field_tips</source>
        <extracomment>Accessible description of a servo test field</extracomment>
        <translation>Press Enter to send it to the servo.</translation>
    </message>
    <message id="servo_time_tips">
        <source>servo_time_tips</source>
        <extracomment>Accessible description of the servo test's time slider</extracomment>
        <translation>How long the next move to a position takes.</translation>
    </message>
    <message id="servo_move_tips">
        <source>servo_move_tips</source>
        <extracomment>Accessible description of the servo test's position slider</extracomment>
        <translation>Moves the servo at once, from 0 to 1000.</translation>
    </message>
    <message id="servo_speed_tips">
        <source>servo_speed_tips</source>
        <extracomment>Accessible description of the motor speed slider</extracomment>
        <translation>Turns the motor at once; below 0 it turns the other way.</translation>
    </message>
    <message id="mass_group_tips">
        <source>mass_group_tips</source>
        <extracomment>Accessible description of the batch download's group box</extracomment>
        <translation>The group each chosen file goes to, taken from its name.</translation>
    </message>
    <message id="live_arm">
        <source>live_arm</source>
        <extracomment>Label of the switch between the still picture and the live arm</extracomment>
        <translation>Live arm</translation>
    </message>
    <message id="live_arm_tips">
        <source>live_arm_tips</source>
        <extracomment>Tooltip of the live arm switch</extracomment>
        <translation>Show the arm as its servos stand now instead of the still picture.</translation>
    </message>
    <message id="curves_tips">
        <source>curves_tips</source>
        <extracomment>Tooltip of the curve view under the table</extracomment>
        <translation>Each channel&#x27;s position over the action&#x27;s time. Click a point to select its frame; drag it up or down to change its position. The wheel, + and − or the buttons at the top right zoom the time; a sideways drag, Shift with the wheel or the arrow keys move along it, on to a song&#x27;s end; a double click or 0 shows the whole action.</translation>
    </message>
    <message id="curves_zoom_out">
        <source>curves_zoom_out</source>
        <extracomment>Accessible name of the curves&#x27; zoom-out button</extracomment>
        <translation>Zoom out</translation>
    </message>
    <message id="curves_zoom_out_tips">
        <source>curves_zoom_out_tips</source>
        <extracomment>Tooltip of the curves&#x27; zoom-out button</extracomment>
        <translation>Show more time (−)</translation>
    </message>
    <message id="curves_zoom_in">
        <source>curves_zoom_in</source>
        <extracomment>Accessible name of the curves&#x27; zoom-in button</extracomment>
        <translation>Zoom in</translation>
    </message>
    <message id="curves_zoom_in_tips">
        <source>curves_zoom_in_tips</source>
        <extracomment>Tooltip of the curves&#x27; zoom-in button</extracomment>
        <translation>Show less time, in more detail (+)</translation>
    </message>
    <message id="curves_fit">
        <source>curves_fit</source>
        <extracomment>Accessible name of the button that fits the whole action into the curves</extracomment>
        <translation>Fit the action</translation>
    </message>
    <message id="curves_fit_tips">
        <source>curves_fit_tips</source>
        <extracomment>Tooltip of the curves&#x27; fit button</extracomment>
        <translation>Show the whole action (0)</translation>
    </message>
    <message id="soft_start">
        <source>soft_start</source>
        <extracomment>Label of the soft start switch in the loop panel, about 36 px wide</extracomment>
        <translation>Soft</translation>
    </message>
    <message id="soft_start_tips">
        <source>soft_start_tips</source>
        <extracomment>Tooltip of the soft start switch and its time field</extracomment>
        <translation>The first frame of a run, and a frame played from its row, takes at least this many milliseconds, so the arm does not slam into its first pose.</translation>
    </message>
    <message id="record_hand">
        <source>record_hand</source>
        <extracomment>Button title: start recording by hand, about 100 px wide</extracomment>
        <translation>Record</translation>
    </message>
    <message id="record_stop">
        <source>record_stop</source>
        <extracomment>Button title: stop recording by hand, about 100 px wide</extracomment>
        <translation>Stop Recording</translation>
    </message>
    <message id="record_hand_tips">
        <source>record_hand_tips</source>
        <extracomment>Tooltip of the record button</extracomment>
        <translation>After unloading the servos, move the arm by hand: its pose is read at every interval and added as a frame.</translation>
    </message>
    <message id="record_interval">
        <source>record_interval</source>
        <extracomment>Label of the recording interval field, in milliseconds, about 70 px wide</extracomment>
        <translation>Every (ms)</translation>
    </message>
    <message id="record_interval_tips">
        <source>record_interval_tips</source>
        <extracomment>Tooltip of the recording interval field</extracomment>
        <translation>How often the pose is read while recording: 100 to 2000 ms.</translation>
    </message>
    <message id="recording_busy">
        <source>recording_busy</source>
        <extracomment>Message of a tip dialog: a control was used while recording by hand</extracomment>
        <translation>A recording by hand is in progress. Stop it first.</translation>
    </message>
    <message id="curves">
        <source>curves</source>
        <extracomment>Accessible name of the curve view under the table</extracomment>
        <translation>Channel curves</translation>
    </message>
    <message id="music">
        <source>music</source>
        <extracomment>Caption and accessible name of the switch that plays the chosen song with the online run</extracomment>
        <translation>Music</translation>
    </message>
    <message id="music_tips">
        <source>music_tips</source>
        <extracomment>Tooltip of the music switch</extracomment>
        <translation>Play the song with Run Online: the frames keep time with it</translation>
    </message>
    <message id="music_play">
        <source>music_play</source>
        <extracomment>Accessible name of the button that plays or pauses the song alone</extracomment>
        <translation>Play or pause the song</translation>
    </message>
    <message id="music_play_tips">
        <source>music_play_tips</source>
        <extracomment>Tooltip of the song button while the song is not playing</extracomment>
        <translation>Listen to the song without the arm</translation>
    </message>
    <message id="music_pause_tips">
        <source>music_pause_tips</source>
        <extracomment>Tooltip of the song button while the song plays</extracomment>
        <translation>Pause the song</translation>
    </message>
    <message id="music_choose">
        <source>music_choose</source>
        <extracomment>Button that chooses a song file</extracomment>
        <translation>Music…</translation>
    </message>
    <message id="music_choose_tips">
        <source>music_choose_tips</source>
        <extracomment>Tooltip of the Music… button</extracomment>
        <translation>Choose a song (WAV, MP3, OGG or FLAC) to dance to; it is remembered for this file</translation>
    </message>
    <message id="music_choose_title">
        <source>music_choose_title</source>
        <extracomment>Title of the panel that chooses a song</extracomment>
        <translation>Choose a Song</translation>
    </message>
    <message id="music_file_filter">
        <source>music_file_filter</source>
        <extracomment>File-type name in the song panel</extracomment>
        <translation>Songs</translation>
    </message>
    <message id="music_text">
        <source>music_text</source>
        <extracomment>Accessible name of the text that shows the chosen song</extracomment>
        <translation>Song</translation>
    </message>
    <message id="music_none">
        <source>music_none</source>
        <extracomment>Song text when no song is chosen</extracomment>
        <translation>No song</translation>
    </message>
    <message id="music_reading">
        <source>music_reading</source>
        <extracomment>Song text while the song is read; %1 file name, %2 percent</extracomment>
        <translation>%1 · reading %2 %</translation>
    </message>
    <message id="music_failed_text">
        <source>music_failed_text</source>
        <extracomment>Song text when the song cannot be read; %1 file name</extracomment>
        <translation>%1 · cannot be read</translation>
    </message>
    <message id="music_snap">
        <source>music_snap</source>
        <extracomment>Button that puts the selected frames on the song's beats</extracomment>
        <translation>Snap to Beat</translation>
    </message>
    <message id="music_snap_tips">
        <source>music_snap_tips</source>
        <extracomment>Tooltip of Snap to Beat</extracomment>
        <translation>Start each selected frame on the song's nearest beat, by changing the time of the frame before it</translation>
    </message>
    <message id="music_snap_ask">
        <source>music_snap_ask</source>
        <extracomment>Question before snapping; %1 selected frames, %2 tempo in beats per minute, %3 frame times that change</extracomment>
        <translation>Start %1 selected frames on the nearest beat (%2 beats a minute)? %3 frame times change.</translation>
    </message>
    <message id="music_snapped">
        <source>music_snapped</source>
        <extracomment>Status after snapping; %1 frames</extracomment>
        <translation>%1 frames on the beat</translation>
    </message>
    <message id="music_on_beat">
        <source>music_on_beat</source>
        <extracomment>Status when the selected frames already start on beats</extracomment>
        <translation>Already on the beat</translation>
    </message>
    <message id="music_snap_select">
        <source>music_snap_select</source>
        <extracomment>Tip: Snap to Beat without a selected frame after the first</extracomment>
        <translation>Select the frames to put on the beat (the first frame starts with the song).</translation>
    </message>
    <message id="music_snap_no_song">
        <source>music_snap_no_song</source>
        <extracomment>Tip: Snap to Beat without a song</extracomment>
        <translation>Choose a song first.</translation>
    </message>
    <message id="music_reading_wait">
        <source>music_reading_wait</source>
        <extracomment>Tip: Snap to Beat while the song is still read</extracomment>
        <translation>The song is still being read; try again in a moment.</translation>
    </message>
    <message id="music_no_beat">
        <source>music_no_beat</source>
        <extracomment>Tip: no steady beat was found in the song</extracomment>
        <translation>No steady beat was found in this song.</translation>
    </message>
    <message id="music_missing">
        <source>music_missing</source>
        <extracomment>Tip: the chosen song file does not exist; %1 path</extracomment>
        <translation>The song %1 cannot be found.</translation>
    </message>
    <message id="music_unreadable">
        <source>music_unreadable</source>
        <extracomment>Tip: the song cannot be decoded; %1 file name, %2 reason</extracomment>
        <translation>%1 cannot be read as a song: %2. Run Online plays without it.</translation>
    </message>
    <message id="music_no_sound">
        <source>music_no_sound</source>
        <extracomment>Reason when a file decodes to no sound</extracomment>
        <translation>it holds no sound</translation>
    </message>
    <message id="music_not_decoded">
        <source>music_not_decoded</source>
        <extracomment>Reason when the song file cannot be decoded</extracomment>
        <translation>it is not a sound file, or not in a format this computer can read</translation>
    </message>
    <message id="music_unavailable">
        <source>music_unavailable</source>
        <extracomment>Reason when the audio libraries are missing</extracomment>
        <translation>music is not available on this system</translation>
    </message>
    <message id="music_no_device">
        <source>music_no_device</source>
        <extracomment>Status, once: no sound device</extracomment>
        <translation>No sound device: the run goes on without music</translation>
    </message>
    <message id="music_no_device_play">
        <source>music_no_device_play</source>
        <extracomment>Status: the song button was used without a sound device</extracomment>
        <translation>No sound device: the song cannot be played</translation>
    </message>
    <message id="music_not_started">
        <source>music_not_started</source>
        <extracomment>Status: the song did not start in time</extracomment>
        <translation>The song did not start: the run goes on without it</translation>
    </message>
    <message id="music_stopped">
        <source>music_stopped</source>
        <extracomment>Status: playback failed</extracomment>
        <translation>The song stopped: the sound device did not play it</translation>
    </message>
    <message id="music_offered">
        <source>music_offered</source>
        <extracomment>Status when an opened file brings back its song; %1 file name</extracomment>
        <translation>Its song: %1</translation>
    </message>
    <message id="soft_start_time">
        <source>soft_start_time</source>
        <extracomment>Accessible name of the soft start&#x27;s time field, in milliseconds</extracomment>
        <translation>Soft start time (ms)</translation>
    </message>
    <message id="baud_rate">
        <source>baud_rate</source>
        <extracomment>Accessible name of the editor&apos;s baud rate box</extracomment>
        <translation>Baud rate</translation>
    </message>
    <message id="frame_table">
        <source>frame_table</source>
        <extracomment>Accessible name of the editor&apos;s table of frames</extracomment>
        <translation>Frames</translation>
    </message>
    <message id="file_path">
        <source>file_path</source>
        <extracomment>Accessible name of the label showing the open file&apos;s path</extracomment>
        <translation>File path</translation>
    </message>
    <message id="unsaved_mark">
        <source>unsaved_mark</source>
        <extracomment>Accessible name of the mark after the file&apos;s path while the list has unsaved changes</extracomment>
        <translation>Unsaved changes</translation>
    </message>
    <message id="undo_action">
        <source>undo_action</source>
        <extracomment>Context-menu item and key of the frame table</extracomment>
        <translation>Undo</translation>
    </message>
    <message id="redo_action">
        <source>redo_action</source>
        <extracomment>Context-menu item and key of the frame table</extracomment>
        <translation>Redo</translation>
    </message>
    <message id="untitled">
        <source>untitled</source>
        <extracomment>Name of a frame list not yet saved</extracomment>
        <translation>Untitled</translation>
    </message>
    <message id="save_changes_ask">
        <source>save_changes_ask</source>
        <extracomment>Question before unsaved changes would be lost; %1 file name</extracomment>
        <translation>Do you want to save the changes to %1?</translation>
    </message>
    <message id="open_file_missing">
        <source>open_file_missing</source>
        <extracomment>Tip when a file named on the command line is not there or is not a file; %1 path</extracomment>
        <translation>%1 does not exist or is not a file.</translation>
    </message>
    <message id="save_changes_save">
        <source>save_changes_save</source>
        <extracomment>Button of the save question</extracomment>
        <translation>Save</translation>
    </message>
    <message id="save_changes_discard">
        <source>save_changes_discard</source>
        <extracomment>Button of the save question</extracomment>
        <translation>Don&apos;t Save</translation>
    </message>
    <message id="paste_refused">
        <source>paste_refused</source>
        <extracomment>Tip when pasted text holds a value a cell refuses; %1 line, %2 column</extracomment>
        <translation>Nothing was pasted: line %1, column %2 is not a value the table takes.</translation>
    </message>
    <message id="file_filter_actions">
        <source>file_filter_actions</source>
        <extracomment>Filter name in the open and save panels</extracomment>
        <translation>Action files</translation>
    </message>
    <message id="file_text_refused">
        <source>file_text_refused</source>
        <extracomment>Tip when a JSON or CSV file cannot be read; %1 file:line, field; %2 why</extracomment>
        <translation>%1: %2; nothing was opened.</translation>
    </message>
    <message id="recent_files">
        <source>recent_files</source>
        <extracomment>Tooltip of the recent-files button beside Open</extracomment>
        <translation>Recent files</translation>
    </message>
    <message id="recent_files_none">
        <source>recent_files_none</source>
        <extracomment>Menu item when no file was opened yet</extracomment>
        <translation>No recent files</translation>
    </message>
    <message id="open_files_missing">
        <source>open_files_missing</source>
        <extracomment>Tip when several files named on the command line or handed over are not there; %1 their paths, one a line</extracomment>
        <translation>These do not exist or are not files:
%1</translation>
    </message>
    <message id="open_files_missing_more">
        <source>open_files_missing_more</source>
        <extracomment>After the first paths of open_files_missing; %1 how many more</extracomment>
        <translation>and %1 more</translation>
    </message>
    <message id="merge_too_many_frames">
        <source>merge_too_many_frames</source>
        <extracomment>Tip; %1 a file name, %2 the most frames a list may hold</extracomment>
        <translation>“%1” was not merged: the list would hold more than %2 frames, more than a file can keep.</translation>
    </message>
    <message id="recent_file_gone">
        <source>recent_file_gone</source>
        <extracomment>Tip when a recent file no longer exists; %1 path</extracomment>
        <translation>%1 no longer exists and was removed from the recent files.</translation>
    </message>
    <message id="servo_count_none">
        <source>servo_count_none</source>
        <extracomment>Notice above the parameters</extracomment>
        <translation>No servo answered the check</translation>
    </message>
    <message id="servo_count_many">
        <source>servo_count_many</source>
        <extracomment>Notice above the parameters; %1 is the number of servos</extracomment>
        <translation>%1 servos answered: connect only one to read or write</translation>
    </message>
    <message id="live_stopped">
        <source>live_stopped</source>
        <extracomment>Notice above the parameters</extracomment>
        <translation>Live status stopped: the servo stopped answering.</translation>
    </message>
    <message id="live_status">
        <source>live_status</source>
        <extracomment>Label beside a switch, short</extracomment>
        <translation>Live</translation>
    </message>
    <message id="live_status_name">
        <source>live_status_name</source>
        <extracomment>Accessible name of a switch</extracomment>
        <translation>Live status</translation>
    </message>
    <message id="live_status_tips">
        <source>live_status_tips</source>
        <extracomment>Accessible description of a switch</extracomment>
        <translation>Reads the servo every half second while this tab is shown.</translation>
    </message>
    <message id="live_state_running">
        <source>live_state_running</source>
        <extracomment>Short state beside the live switch</extracomment>
        <translation>every 0.5 s</translation>
    </message>
    <message id="live_state_paused">
        <source>live_state_paused</source>
        <extracomment>Short state beside the live switch</extracomment>
        <translation>paused</translation>
    </message>
    <message id="live_state_stopped">
        <source>live_state_stopped</source>
        <extracomment>Short state beside the live switch</extracomment>
        <translation>stopped</translation>
    </message>
    <message id="live_chart_span">
        <source>live_chart_span</source>
        <extracomment>Legend of a small chart, short</extracomment>
        <translation>2 min</translation>
    </message>
    <message id="servo_id_change_ask">
        <source>servo_id_change_ask</source>
        <extracomment>Question of a confirmation dialog; %1 old id, %2 new id</extracomment>
        <translation>Change the servo's id from %1 to %2?</translation>
    </message>
    <message id="servo_id_change_done">
        <source>servo_id_change_done</source>
        <extracomment>Result line of the bus-servo tool, fades</extracomment>
        <translation>The servo now answers as id %1.</translation>
    </message>
    <message id="servo_id_change_silent">
        <source>servo_id_change_silent</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>No servo answered as id %1 after the change. Check the connection and read again.</translation>
    </message>
    <message id="servo_id_change_other">
        <source>servo_id_change_other</source>
        <extracomment>Message of a tip dialog; %1 the id it answered with, %2 the id written</extracomment>
        <translation>The servo answers as id %1, not %2.</translation>
    </message>
    <message id="mass_file_list_name">
        <source>mass_file_list_name</source>
        <extracomment>Accessible name of a list</extracomment>
        <translation>Chosen files</translation>
    </message>
    <message id="mass_file_list_tips">
        <source>mass_file_list_tips</source>
        <extracomment>Accessible description of a list</extracomment>
        <translation>Each chosen file with its group, or why it is refused, and how its download went.</translation>
    </message>
    <message id="mass_file_ready">
        <source>mass_file_ready</source>
        <extracomment>List line; %1 file, %2 group</extracomment>
        <translation>%1: group %2</translation>
    </message>
    <message id="mass_file_no_group">
        <source>mass_file_no_group</source>
        <extracomment>List line</extracomment>
        <translation>%1: refused, the name has no group number</translation>
    </message>
    <message id="mass_file_group_over">
        <source>mass_file_group_over</source>
        <extracomment>List line; %2 the highest group</extracomment>
        <translation>%1: refused, the group is over %2</translation>
    </message>
    <message id="mass_file_damaged">
        <source>mass_file_damaged</source>
        <extracomment>List line</extracomment>
        <translation>%1: refused, the file is damaged</translation>
    </message>
    <message id="mass_file_too_long">
        <source>mass_file_too_long</source>
        <extracomment>List line; %2 frames, %3 what a group holds</extracomment>
        <translation>%1: refused, %2 frames, a group holds %3</translation>
    </message>
    <message id="mass_file_sending">
        <source>mass_file_sending</source>
        <extracomment>List line; %1 file, %2 group, %3 frame, %4 frames</extracomment>
        <translation>%1: group %2, sending frame %3 of %4</translation>
    </message>
    <message id="mass_file_stored">
        <source>mass_file_stored</source>
        <extracomment>List line</extracomment>
        <translation>%1: stored in group %2</translation>
    </message>
    <message id="mass_file_cancelled">
        <source>mass_file_cancelled</source>
        <extracomment>List line</extracomment>
        <translation>%1: cancelled</translation>
    </message>
    <message id="arm_profile_title">
        <source>arm_profile_title</source>
        <extracomment>Window title of the arm profile dialog</extracomment>
        <translation>Arm profiles</translation>
    </message>
    <message id="arm_profile_open">
        <source>arm_profile_open</source>
        <extracomment>Button beside the Live arm switch that opens the arm profile dialog</extracomment>
        <translation>Arm profile…</translation>
    </message>
    <message id="arm_profile_open_tips">
        <source>arm_profile_open_tips</source>
        <extracomment>Tooltip of the arm profile button</extracomment>
        <translation>Choose or edit the arm's profile: its joints, link lengths and each channel's safe range</translation>
    </message>
    <message id="arm_profile_profile">
        <source>arm_profile_profile</source>
        <extracomment>Label of the profile list</extracomment>
        <translation>Profile</translation>
    </message>
    <message id="arm_profile_in_use">
        <source>arm_profile_in_use</source>
        <extracomment>Entry of the profile list; %1 is the name of the profile in use</extracomment>
        <translation>%1 (in use)</translation>
    </message>
    <message id="arm_profile_use">
        <source>arm_profile_use</source>
        <extracomment>Button title: make the shown profile the one the program uses</extracomment>
        <translation>Use this arm</translation>
    </message>
    <message id="arm_profile_copy">
        <source>arm_profile_copy</source>
        <extracomment>Button title</extracomment>
        <translation>Copy</translation>
    </message>
    <message id="arm_profile_delete">
        <source>arm_profile_delete</source>
        <extracomment>Button title</extracomment>
        <translation>Delete</translation>
    </message>
    <message id="arm_profile_import">
        <source>arm_profile_import</source>
        <extracomment>Button title</extracomment>
        <translation>Import…</translation>
    </message>
    <message id="arm_profile_export">
        <source>arm_profile_export</source>
        <extracomment>Button title</extracomment>
        <translation>Export…</translation>
    </message>
    <message id="arm_profile_name">
        <source>arm_profile_name</source>
        <extracomment>Label of a name field</extracomment>
        <translation>Name</translation>
    </message>
    <message id="arm_profile_links">
        <source>arm_profile_links</source>
        <extracomment>Group title: the arm's link lengths</extracomment>
        <translation>Lengths</translation>
    </message>
    <message id="arm_profile_link_column">
        <source>arm_profile_link_column</source>
        <extracomment>Label: base foot to shoulder axis, in mm</extracomment>
        <translation>Column</translation>
    </message>
    <message id="arm_profile_link_upper_arm">
        <source>arm_profile_link_upper_arm</source>
        <extracomment>Label: shoulder to elbow, in mm</extracomment>
        <translation>Upper arm</translation>
    </message>
    <message id="arm_profile_link_forearm">
        <source>arm_profile_link_forearm</source>
        <extracomment>Label: elbow to wrist, in mm</extracomment>
        <translation>Forearm</translation>
    </message>
    <message id="arm_profile_link_hand">
        <source>arm_profile_link_hand</source>
        <extracomment>Label: wrist to the gripper's tip, in mm</extracomment>
        <translation>Hand</translation>
    </message>
    <message id="arm_profile_column_radius">
        <source>arm_profile_column_radius</source>
        <extracomment>Label: half the width of the base's column, in mm</extracomment>
        <translation>Column radius</translation>
    </message>
    <message id="arm_profile_joints">
        <source>arm_profile_joints</source>
        <extracomment>Group title: which channel drives each joint, and its angles</extracomment>
        <translation>Joints (angles in degrees)</translation>
    </message>
    <message id="arm_profile_joint_base">
        <source>arm_profile_joint_base</source>
        <extracomment>Joint of the arm: the turning base</extracomment>
        <translation>Base</translation>
    </message>
    <message id="arm_profile_joint_shoulder">
        <source>arm_profile_joint_shoulder</source>
        <extracomment>Joint of the arm</extracomment>
        <translation>Shoulder</translation>
    </message>
    <message id="arm_profile_joint_elbow">
        <source>arm_profile_joint_elbow</source>
        <extracomment>Joint of the arm</extracomment>
        <translation>Elbow</translation>
    </message>
    <message id="arm_profile_joint_wrist">
        <source>arm_profile_joint_wrist</source>
        <extracomment>Joint of the arm</extracomment>
        <translation>Wrist</translation>
    </message>
    <message id="arm_profile_joint_wrist_roll">
        <source>arm_profile_joint_wrist_roll</source>
        <extracomment>Joint of the arm: the wrist's turn about its own axis</extracomment>
        <translation>Wrist roll</translation>
    </message>
    <message id="arm_profile_joint_gripper">
        <source>arm_profile_joint_gripper</source>
        <extracomment>Joint of the arm</extracomment>
        <translation>Gripper</translation>
    </message>
    <message id="arm_profile_joint_channel">
        <source>arm_profile_joint_channel</source>
        <extracomment>Column header: the channel driving a joint</extracomment>
        <translation>Channel</translation>
    </message>
    <message id="arm_profile_angle_at_0">
        <source>arm_profile_angle_at_0</source>
        <extracomment>Column header, narrow: the joint's angle in degrees at position 0</extracomment>
        <translation>At 0</translation>
    </message>
    <message id="arm_profile_angle_at_1000">
        <source>arm_profile_angle_at_1000</source>
        <extracomment>Column header, narrow: the joint's angle in degrees at position 1000</extracomment>
        <translation>At 1000</translation>
    </message>
    <message id="arm_profile_channels">
        <source>arm_profile_channels</source>
        <extracomment>Group title: each channel's name and position range</extracomment>
        <translation>Channels</translation>
    </message>
    <message id="arm_profile_channel_number">
        <source>arm_profile_channel_number</source>
        <extracomment>A channel, for screen readers; %1 is its number</extracomment>
        <translation>Channel %1</translation>
    </message>
    <message id="arm_profile_lowest">
        <source>arm_profile_lowest</source>
        <extracomment>Column header: lowest position a channel may be sent</extracomment>
        <translation>Lowest</translation>
    </message>
    <message id="arm_profile_highest">
        <source>arm_profile_highest</source>
        <extracomment>Column header: highest position a channel may be sent</extracomment>
        <translation>Highest</translation>
    </message>
    <message id="arm_profile_reversed">
        <source>arm_profile_reversed</source>
        <extracomment>Column header, a check box: the servo turns the other way</extracomment>
        <translation>Reversed</translation>
    </message>
    <message id="arm_profile_field_of">
        <source>arm_profile_field_of</source>
        <extracomment>Screen reader name of a field: %1 the row (joint, channel or group), %2 the column</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message id="arm_profile_read_only">
        <source>arm_profile_read_only</source>
        <extracomment>Note and tooltip on the shipped profile's fields</extracomment>
        <translation>The shipped profile cannot be changed. Copy it to make one you can edit.</translation>
    </message>
    <message id="arm_profile_error_name_empty">
        <source>arm_profile_error_name_empty</source>
        <extracomment>Shown beside the name field</extracomment>
        <translation>The profile needs a name.</translation>
    </message>
    <message id="arm_profile_error_name_taken">
        <source>arm_profile_error_name_taken</source>
        <extracomment>Shown beside the name field; %1 is the name</extracomment>
        <translation>Another profile is already called “%1”.</translation>
    </message>
    <message id="arm_profile_error_range">
        <source>arm_profile_error_range</source>
        <extracomment>Shown under the channel table; %1 channel number, %2 lowest, %3 highest position</extracomment>
        <translation>Channel %1: lowest %2 is above highest %3.</translation>
    </message>
    <message id="arm_profile_copy_name">
        <source>arm_profile_copy_name</source>
        <extracomment>Name of a copied profile; %1 is the original's name</extracomment>
        <translation>%1 copy</translation>
    </message>
    <message id="arm_profile_delete_ask">
        <source>arm_profile_delete_ask</source>
        <extracomment>Question before deleting; %1 is the profile's name</extracomment>
        <translation>Delete the arm profile “%1”?</translation>
    </message>
    <message id="arm_profile_import_title">
        <source>arm_profile_import_title</source>
        <extracomment>File dialog title</extracomment>
        <translation>Import an arm profile</translation>
    </message>
    <message id="arm_profile_export_title">
        <source>arm_profile_export_title</source>
        <extracomment>File dialog title</extracomment>
        <translation>Export the arm profile</translation>
    </message>
    <message id="arm_profile_file_filter">
        <source>arm_profile_file_filter</source>
        <extracomment>File dialog filter name, before (*.json)</extracomment>
        <translation>Arm profiles</translation>
    </message>
    <message id="poses_fault_no_channel">
        <source>poses_fault_no_channel</source>
        <extracomment>Fault of one pose in a file</extracomment>
        <translation>no channel has a position</translation>
    </message>
    <message id="poses_fault_channel">
        <source>poses_fault_channel</source>
        <extracomment>Fault of one pose in a file; %1 is ch1 to ch6, %2 and %3 the position range</extracomment>
        <translation>%1: a whole number from %2 to %3, or null, is needed</translation>
    </message>
    <message id="poses_fault_name">
        <source>poses_fault_name</source>
        <extracomment>Fault of one pose in a file</extracomment>
        <translation>name: a text that is not empty is needed</translation>
    </message>
    <message id="poses_fault_name_unprintable">
        <source>poses_fault_name_unprintable</source>
        <extracomment>Fault of one pose in a file; %1 a character's code, such as U+202E</extracomment>
        <translation>name: holds %1, a character that cannot be shown</translation>
    </message>
    <message id="poses_name_unprintable">
        <source>poses_name_unprintable</source>
        <extracomment>Tip when saving a pose; %1 a character's code, such as U+202E</extracomment>
        <translation>A pose's name cannot hold %1, a character that cannot be shown. Nothing was saved.</translation>
    </message>
    <message id="poses_not_kept">
        <source>poses_not_kept</source>
        <extracomment>Tip; %1 is the settings file's path</extracomment>
        <translation>The poses could not be written to %1, so this change will be gone when Vorn closes. Export the poses to keep them.</translation>
    </message>
    <message id="arm_profile_name_too_long">
        <source>arm_profile_name_too_long</source>
        <extracomment>Arm profile JSON check: %1 the most characters a name may have, %2 how many it has</extracomment>
        <translation>must be at most %1 characters, not %2</translation>
    </message>
    <message id="arm_profile_name_unprintable">
        <source>arm_profile_name_unprintable</source>
        <extracomment>Arm profile JSON check: %1 a character's code, such as U+202E</extracomment>
        <translation>holds %1, a character that cannot be shown</translation>
    </message>
    <message id="arm_profile_error_name_unprintable">
        <source>arm_profile_error_name_unprintable</source>
        <extracomment>Shown beside the name field; %1 a character's code, such as U+202E</extracomment>
        <translation>The name holds %1, a character that cannot be shown.</translation>
    </message>
    <message id="arm_profile_not_kept">
        <source>arm_profile_not_kept</source>
        <extracomment>Tip on OK; %1 is the settings file's path</extracomment>
        <translation>The arm profiles could not be written to %1, so they cannot be kept. Export the profile to keep it, or choose Cancel.</translation>
    </message>
    <message id="poses_fault_not_object">
        <source>poses_fault_not_object</source>
        <extracomment>Fault of one pose in a file</extracomment>
        <translation>not an object</translation>
    </message>
    <message id="poses_fault_at">
        <source>poses_fault_at</source>
        <extracomment>Fault of a poses file; %1 is the pose's number from 1, %2 what is wrong with it</extracomment>
        <translation>pose %1, %2</translation>
    </message>
    <message id="poses_fault_no_list">
        <source>poses_fault_no_list</source>
        <extracomment>Fault of a poses file</extracomment>
        <translation>no list of poses ("poses")</translation>
    </message>
    <message id="poses_fault_not_json">
        <source>poses_fault_not_json</source>
        <extracomment>Fault of a poses file; %1 is the byte where reading stopped</extracomment>
        <translation>not a JSON text (at byte %1)</translation>
    </message>
    <message id="poses_export_failed">
        <source>poses_export_failed</source>
        <extracomment>Tip; %1 is a file path, %2 the system's reason</extracomment>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message id="poses_exported" numerus="yes">
        <source>poses_exported</source>
        <extracomment>Status line: the poses were written; %n of them, %1 the file&#x27;s name</extracomment>
        <translation>
            <numerusform>%n pose exported to %1</numerusform>
            <numerusform>%n poses exported to %1</numerusform>
        </translation>
    </message>
    <message id="poses_file_too_large">
        <source>poses_file_too_large</source>
        <extracomment>Reason in poses_import_failed</extracomment>
        <translation>the file is far too large to hold poses</translation>
    </message>
    <message id="poses_import_failed">
        <source>poses_import_failed</source>
        <extracomment>Tip; %1 is a file name, %2 what is wrong with it</extracomment>
        <translation>%1 cannot be imported: %2. No pose was changed.</translation>
    </message>
    <message id="poses_file_filter">
        <source>poses_file_filter</source>
        <extracomment>File dialog filter name, before (*.json)</extracomment>
        <translation>Poses</translation>
    </message>
    <message id="poses_export_title">
        <source>poses_export_title</source>
        <extracomment>Title of the file panel</extracomment>
        <translation>Export Poses</translation>
    </message>
    <message id="poses_import_title">
        <source>poses_import_title</source>
        <extracomment>Title of the file panel</extracomment>
        <translation>Import Poses</translation>
    </message>
    <message id="poses_no_channel">
        <source>poses_no_channel</source>
        <extracomment>Tip when saving a pose with every channel hidden</extracomment>
        <translation>Show at least one channel to save a pose.</translation>
    </message>
    <message id="poses_delete_confirm">
        <source>poses_delete_confirm</source>
        <extracomment>Question; %1 is a pose name</extracomment>
        <translation>Delete the pose “%1”?</translation>
    </message>
    <message id="poses_replace">
        <source>poses_replace</source>
        <extracomment>Question; %1 is a pose name</extracomment>
        <translation>A pose named “%1” is kept already. Replace it?</translation>
    </message>
    <message id="poses_default_name">
        <source>poses_default_name</source>
        <extracomment>Name a new pose is offered</extracomment>
        <translation>Pose</translation>
    </message>
    <message id="poses_name">
        <source>poses_name</source>
        <extracomment>Label of the pose name field</extracomment>
        <translation>Name of the pose:</translation>
    </message>
    <message id="poses_save_title">
        <source>poses_save_title</source>
        <extracomment>Title of the question for a pose's name</extracomment>
        <translation>Save Pose</translation>
    </message>
    <message id="poses_export">
        <source>poses_export</source>
        <extracomment>Button of the poses window</extracomment>
        <translation>Export…</translation>
    </message>
    <message id="poses_import">
        <source>poses_import</source>
        <extracomment>Button of the poses window</extracomment>
        <translation>Import…</translation>
    </message>
    <message id="poses_delete">
        <source>poses_delete</source>
        <extracomment>Button of the poses window</extracomment>
        <translation>Delete</translation>
    </message>
    <message id="poses_insert">
        <source>poses_insert</source>
        <extracomment>Button of the poses window: inserts the chosen pose into the frame list</extracomment>
        <translation>Insert as Frame</translation>
    </message>
    <message id="poses_save">
        <source>poses_save</source>
        <extracomment>Button of the poses window</extracomment>
        <translation>Save Current Pose…</translation>
    </message>
    <message id="poses_list_tip">
        <source>poses_list_tip</source>
        <extracomment>Tooltip of the list of named poses</extracomment>
        <translation>Double-click a pose, or press Enter, to move the arm there</translation>
    </message>
    <message id="poses_empty">
        <source>poses_empty</source>
        <extracomment>Shown in the poses window&apos;s list while it holds no pose</extracomment>
        <translation>No poses yet. Pose the arm, then press Save Current Pose… to keep it under a name.</translation>
    </message>
    <message id="poses_open_tip">
        <source>poses_open_tip</source>
        <extracomment>Tooltip of the Poses button</extracomment>
        <translation>Save the current pose under a name, and move the arm to a saved one</translation>
    </message>
    <message id="poses_open">
        <source>poses_open</source>
        <extracomment>Button beside the channel boxes that opens the named poses window</extracomment>
        <translation>Poses…</translation>
    </message>
    <message id="poses_title">
        <source>poses_title</source>
        <extracomment>Title of the named poses window and accessible name of its list</extracomment>
        <translation>Poses</translation>
    </message>
    <message id="ctl_ease_done">
        <source>ctl_ease_done</source>
        <extracomment>Result; %1 the moves eased, %2 the frames added, %3 the frames written and where</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message id="ctl_moves_eased" numerus="yes">
        <source>ctl_moves_eased</source>
        <extracomment>Part of a result; %n moves</extracomment>
        <translation>
            <numerusform>%n move eased</numerusform>
            <numerusform>%n moves eased</numerusform>
        </translation>
    </message>
    <message id="ctl_frames_added" numerus="yes">
        <source>ctl_frames_added</source>
        <extracomment>Part of a result; %n frames</extracomment>
        <translation>
            <numerusform>%n frame added</numerusform>
            <numerusform>%n frames added</numerusform>
        </translation>
    </message>
    <message id="ctl_ease_too_short">
        <source>ctl_ease_too_short</source>
        <extracomment>Error; %1 file name, %2 the shortest move in ms that can be eased</extracomment>
        <translation>%1: no move there is long enough to ease: a move needs at least %2 ms for two steps; nothing written</translation>
    </message>
    <message id="ctl_ease_over_budget">
        <source>ctl_ease_over_budget</source>
        <extracomment>Error; %1 file name, %2 and %3 frame numbers, %4 the most frames a group holds</extracomment>
        <translation>%1: easing the move from frame %2 to frame %3 would make more than %4 frames, the most a group holds; nothing written</translation>
    </message>
    <message id="ctl_ease_no_move" numerus="yes">
        <source>ctl_ease_no_move</source>
        <extracomment>Error; %1 a file name, %2 and %3 frame numbers, %n its frame count</extracomment>
        <translation>
            <numerusform>%1 has no move between frames %2 and %3 (it has %n frame); nothing written</numerusform>
            <numerusform>%1 has no move between frames %2 and %3 (it has %n frames); nothing written</numerusform>
        </translation>
    </message>
    <message id="ctl_ease_past_end" numerus="yes">
        <source>ctl_ease_past_end</source>
        <extracomment>Error; %1 a file name, %n its frame count, %2 the frame asked for</extracomment>
        <translation>
            <numerusform>%1 has %n frame; there is no frame %2; nothing written</numerusform>
            <numerusform>%1 has %n frames; there is no frame %2; nothing written</numerusform>
        </translation>
    </message>
    <message id="ctl_ease_from_after_to">
        <source>ctl_ease_from_after_to</source>
        <extracomment>Error; %1 and %2 frame numbers</extracomment>
        <translation>--from %1 must come before --to %2</translation>
    </message>
    <message id="ctl_ease_no_curve">
        <source>ctl_ease_no_curve</source>
        <extracomment>Error; %1 is what the user gave as --curve</extracomment>
        <translation>%1 is no curve: use in, out, in-out, or four numbers from 0 to 1 as X1,Y1,X2,Y2</translation>
    </message>
    <message id="ctl_help_ease_output">
        <source>ctl_help_ease_output</source>
        <extracomment>Command-line help</extracomment>
        <translation>Action file to write (.rob), or - for standard output</translation>
    </message>
    <message id="ctl_help_ease_step">
        <source>ctl_help_ease_step</source>
        <extracomment>Command-line help</extracomment>
        <translation>Time of each step in ms; each move is cut into as many whole steps as fit</translation>
    </message>
    <message id="ctl_help_ease_curve">
        <source>ctl_help_ease_curve</source>
        <extracomment>Command-line help</extracomment>
        <translation>in, out, in-out (the default), or a Bézier curve as X1,Y1,X2,Y2, each 0 to 1</translation>
    </message>
    <message id="ctl_help_ease_to">
        <source>ctl_help_ease_to</source>
        <extracomment>Command-line help</extracomment>
        <translation>Last frame of the moves to ease (default: the last)</translation>
    </message>
    <message id="ctl_help_ease_from">
        <source>ctl_help_ease_from</source>
        <extracomment>Command-line help</extracomment>
        <translation>First frame of the moves to ease, counted from 1 as file show numbers them (default: the first)</translation>
    </message>
    <message id="ctl_help_file_ease">
        <source>ctl_help_file_ease</source>
        <extracomment>Command-line help</extracomment>
        <translation>Ease the moves between frames of an action file into shorter steps along a timing curve</translation>
    </message>
    <message id="craft_mirror_apply">
        <source>craft_mirror_apply</source>
        <extracomment>OK button of the mirror dialog</extracomment>
        <translation>Mirror</translation>
    </message>
    <message id="craft_mirror_about">
        <source>craft_mirror_about</source>
        <extracomment>Explanation in the mirror dialog</extracomment>
        <translation>Each ticked channel's position in the selected frames is mirrored about the middle position, so the move goes to the other side.</translation>
    </message>
    <message id="craft_mirror_title">
        <source>craft_mirror_title</source>
        <extracomment>Title of the mirror dialog</extracomment>
        <translation>Mirror Frames</translation>
    </message>
    <message id="craft_ease_apply">
        <source>craft_ease_apply</source>
        <extracomment>OK button of the easing dialog</extracomment>
        <translation>Ease</translation>
    </message>
    <message id="craft_curve_editor_keys">
        <source>craft_curve_editor_keys</source>
        <extracomment>Tooltip and accessible description of the curve editor</extracomment>
        <translation>Drag a handle, or move the chosen one with the arrow keys (with Shift in larger steps); Space chooses the other handle.</translation>
    </message>
    <message id="craft_curve_editor">
        <source>craft_curve_editor</source>
        <extracomment>Accessible name of the Bézier curve editor</extracomment>
        <translation>Curve editor</translation>
    </message>
    <message id="craft_step">
        <source>craft_step</source>
        <extracomment>Label and accessible name of the easing dialog's step time field</extracomment>
        <translation>Step time</translation>
    </message>
    <message id="craft_curve_custom">
        <source>craft_curve_custom</source>
        <extracomment>Easing curve choice: a curve drawn in the curve editor</extracomment>
        <translation>Custom curve</translation>
    </message>
    <message id="craft_curve_out">
        <source>craft_curve_out</source>
        <extracomment>Easing curve choice</extracomment>
        <translation>Ease out</translation>
    </message>
    <message id="craft_curve_in">
        <source>craft_curve_in</source>
        <extracomment>Easing curve choice</extracomment>
        <translation>Ease in</translation>
    </message>
    <message id="craft_curve_in_out">
        <source>craft_curve_in_out</source>
        <extracomment>Easing curve choice</extracomment>
        <translation>Ease in and out</translation>
    </message>
    <message id="craft_curve">
        <source>craft_curve</source>
        <extracomment>Label and accessible name of the easing dialog's curve choice</extracomment>
        <translation>Curve</translation>
    </message>
    <message id="craft_ease_title">
        <source>craft_ease_title</source>
        <extracomment>Title of the easing dialog</extracomment>
        <translation>Ease Moves</translation>
    </message>
    <message id="craft_choose_reverse">
        <source>craft_choose_reverse</source>
        <extracomment>Tip when reversing fewer than two frames</extracomment>
        <translation>Select two or more frames to play them backwards.</translation>
    </message>
    <message id="craft_choose_mirror">
        <source>craft_choose_mirror</source>
        <extracomment>Tip when mirroring without frames or channels chosen</extracomment>
        <translation>Select the frames and at least one channel to mirror.</translation>
    </message>
    <message id="craft_too_short">
        <source>craft_too_short</source>
        <extracomment>Tip and dialog line; %1 is the shortest move, in ms, that can be eased at the chosen step time</extracomment>
        <translation>The selected moves are too short to ease: a move needs at least %1 ms to be cut into two steps.</translation>
    </message>
    <message id="craft_will_add">
        <source>craft_will_add</source>
        <extracomment>Easing dialog line; %1 frames added, %2 frames in the list afterwards, %3 the most a group holds</extracomment>
        <translation>Adds %1 frames: the list will have %2 of the %3 a group holds.</translation>
    </message>
    <message id="craft_over_budget">
        <source>craft_over_budget</source>
        <extracomment>Tip and dialog line; %1 and %2 are frame numbers, %3 the most frames a group holds</extracomment>
        <translation>Easing the move from frame %1 to frame %2 would take the list past %3 frames, the most a group holds. Nothing is changed.</translation>
    </message>
    <message id="craft_choose_two">
        <source>craft_choose_two</source>
        <extracomment>Tip when easing without two adjacent frames selected</extracomment>
        <translation>Select two or more frames next to each other: each move from one of them to the next is eased.</translation>
    </message>
    <message id="craft_reverse">
        <source>craft_reverse</source>
        <extracomment>Context menu item of the frame table: plays the selected frames backwards</extracomment>
        <translation>Reverse in Time</translation>
    </message>
    <message id="craft_mirror">
        <source>craft_mirror</source>
        <extracomment>Context menu item of the frame table: opens the mirror dialog</extracomment>
        <translation>Mirror…</translation>
    </message>
    <message id="craft_ease">
        <source>craft_ease</source>
        <extracomment>Context menu item of the frame table: opens the easing dialog</extracomment>
        <translation>Ease Moves…</translation>
    </message>
    <message id="arm_profile_import_unreadable">
        <source>arm_profile_import_unreadable</source>
        <extracomment>Tip; %1 is a file name, %2 the system's reason</extracomment>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message id="arm_profile_import_too_large">
        <source>arm_profile_import_too_large</source>
        <extracomment>Tip; %1 is a file name</extracomment>
        <translation>%1 is too large to be an arm profile. Nothing was imported.</translation>
    </message>
    <message id="arm_profile_import_invalid">
        <source>arm_profile_import_invalid</source>
        <extracomment>Tip; %1 is a file name, %2 what is wrong in it (English)</extracomment>
        <translation>%1 is not an arm profile: %2. Nothing was imported.</translation>
    </message>
    <message id="arm_profile_imported">
        <source>arm_profile_imported</source>
        <extracomment>Status line; %1 is the profile's name</extracomment>
        <translation>Imported “%1”.</translation>
    </message>
    <message id="arm_profile_imported_renamed">
        <source>arm_profile_imported_renamed</source>
        <extracomment>Status line; %1 is the name in the file, %2 the name given instead</extracomment>
        <translation>Imported as “%2”, since “%1” is taken.</translation>
    </message>
    <message id="arm_profile_export_failed">
        <source>arm_profile_export_failed</source>
        <extracomment>Tip; %1 is a file path, %2 the system's reason</extracomment>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message id="arm_profile_exported">
        <source>arm_profile_exported</source>
        <extracomment>Status line of the arm profile dialog; %1 is a file path</extracomment>
        <translation>Exported to %1.</translation>
    </message>
    <message id="mass_file_not_sent">
        <source>mass_file_not_sent</source>
        <extracomment>List line</extracomment>
        <translation>%1: not sent, an earlier file failed</translation>
    </message>
    <message id="gamepad">
        <source>gamepad</source>
        <extracomment>Label of the switch beside the Live arm switch that turns gamepad control on</extracomment>
        <translation>Gamepad</translation>
    </message>
    <message id="gamepad_tips">
        <source>gamepad_tips</source>
        <extracomment>Tooltip of the gamepad switch</extracomment>
        <translation>Steer the arm with a game controller: the left stick moves the gripper's tip, B stops everything</translation>
    </message>
    <message id="gamepad_mapping_open">
        <source>gamepad_mapping_open</source>
        <extracomment>Button beside the gamepad switch that opens the gamepad mapping dialog</extracomment>
        <translation>Mapping…</translation>
    </message>
    <message id="gamepad_mapping_open_tips">
        <source>gamepad_mapping_open_tips</source>
        <extracomment>Tooltip of the button that opens the gamepad mapping dialog</extracomment>
        <translation>Which stick or button does what, with speeds and dead zones</translation>
    </message>
    <message id="gamepad_mapping">
        <source>gamepad_mapping</source>
        <extracomment>Window title of the gamepad mapping dialog</extracomment>
        <translation>Gamepad mapping</translation>
    </message>
    <message id="gamepad_connected">
        <source>gamepad_connected</source>
        <extracomment>Status line; %1 is the controller's name</extracomment>
        <translation>Gamepad connected: %1</translation>
    </message>
    <message id="gamepad_disconnected">
        <source>gamepad_disconnected</source>
        <extracomment>Status line; %1 is the controller's name</extracomment>
        <translation>Gamepad unplugged: %1. The arm stopped.</translation>
    </message>
    <message id="gamepad_waiting">
        <source>gamepad_waiting</source>
        <extracomment>Status line when the gamepad switch is on and no controller is plugged in</extracomment>
        <translation>Gamepad on. Plug in a controller.</translation>
    </message>
    <message id="gamepad_unavailable">
        <source>gamepad_unavailable</source>
        <extracomment>Status line; %1 is the system's reason (English)</extracomment>
        <translation>Gamepads cannot be used: %1</translation>
    </message>
    <message id="gamepad_needs_board">
        <source>gamepad_needs_board</source>
        <extracomment>Status line when the gamepad is switched on with no board and no serial port to move the arm</extracomment>
        <translation>Gamepad on. Connect the board (or open the serial port) to move the arm.</translation>
    </message>
    <message id="gamepad_board_gone">
        <source>gamepad_board_gone</source>
        <extracomment>Status line when the board goes away while the gamepad is on</extracomment>
        <translation>Gamepad off: the board is gone.</translation>
    </message>
    <message id="arm_would_strike">
        <source>arm_would_strike</source>
        <extracomment>Beside the arm view's red ring while the gamepad holds a pose back; %1 is strike_ground, strike_column or strike_both</extracomment>
        <translation>Held: would strike %1</translation>
    </message>
    <message id="pad_tip_forward">
        <source>pad_tip_forward</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>Tip forward / back</translation>
    </message>
    <message id="pad_tip_up">
        <source>pad_tip_up</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>Tip up / down</translation>
    </message>
    <message id="pad_base_turn">
        <source>pad_base_turn</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>Turn base</translation>
    </message>
    <message id="pad_hand_tilt">
        <source>pad_hand_tilt</source>
        <extracomment>Role in the gamepad mapping dialog: a motion (the hand's angle to the ground)</extracomment>
        <translation>Tilt hand</translation>
    </message>
    <message id="pad_gripper_close">
        <source>pad_gripper_close</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>Close gripper</translation>
    </message>
    <message id="pad_gripper_open">
        <source>pad_gripper_open</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>Open gripper</translation>
    </message>
    <message id="pad_roll_left">
        <source>pad_roll_left</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>Roll wrist left</translation>
    </message>
    <message id="pad_roll_right">
        <source>pad_roll_right</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>Roll wrist right</translation>
    </message>
    <message id="pad_add_frame">
        <source>pad_add_frame</source>
        <extracomment>Role in the gamepad mapping dialog: an action</extracomment>
        <translation>Add frame</translation>
    </message>
    <message id="pad_insert_frame">
        <source>pad_insert_frame</source>
        <extracomment>Role in the gamepad mapping dialog: an action</extracomment>
        <translation>Insert frame</translation>
    </message>
    <message id="pad_update_frame">
        <source>pad_update_frame</source>
        <extracomment>Role in the gamepad mapping dialog: an action</extracomment>
        <translation>Update frame</translation>
    </message>
    <message id="pad_previous_row">
        <source>pad_previous_row</source>
        <extracomment>Role in the gamepad mapping dialog: an action (the row above in the frame list)</extracomment>
        <translation>Previous row</translation>
    </message>
    <message id="pad_next_row">
        <source>pad_next_row</source>
        <extracomment>Role in the gamepad mapping dialog: an action (the row below in the frame list)</extracomment>
        <translation>Next row</translation>
    </message>
    <message id="pad_run_or_stop">
        <source>pad_run_or_stop</source>
        <extracomment>Role in the gamepad mapping dialog: an action</extracomment>
        <translation>Run / stop the list</translation>
    </message>
    <message id="pad_stop_all">
        <source>pad_stop_all</source>
        <extracomment>Role in the gamepad mapping dialog: an action</extracomment>
        <translation>Stop everything</translation>
    </message>
    <message id="pad_mapping_hint">
        <source>pad_mapping_hint</source>
        <extracomment>Note at the top of the gamepad mapping dialog</extracomment>
        <translation>Move the controller to check the mapping: each row shows what its role gets now.</translation>
    </message>
    <message id="pad_motions">
        <source>pad_motions</source>
        <extracomment>Group title in the gamepad mapping dialog: the roles an input drives while held</extracomment>
        <translation>Motions</translation>
    </message>
    <message id="pad_actions">
        <source>pad_actions</source>
        <extracomment>Group title in the gamepad mapping dialog: the roles a press runs once</extracomment>
        <translation>Actions</translation>
    </message>
    <message id="pad_column_input">
        <source>pad_column_input</source>
        <extracomment>Column of the gamepad mapping dialog, about 150 px wide</extracomment>
        <translation>Input</translation>
    </message>
    <message id="pad_column_speed">
        <source>pad_column_speed</source>
        <extracomment>Column of the gamepad mapping dialog, about 90 px wide</extracomment>
        <translation>Speed</translation>
    </message>
    <message id="pad_column_dead_zone">
        <source>pad_column_dead_zone</source>
        <extracomment>Column of the gamepad mapping dialog, about 60 px wide</extracomment>
        <translation>Dead zone</translation>
    </message>
    <message id="pad_column_invert">
        <source>pad_column_invert</source>
        <extracomment>Column of the gamepad mapping dialog, above the switches, about 44 px wide</extracomment>
        <translation>Invert</translation>
    </message>
    <message id="pad_column_now">
        <source>pad_column_now</source>
        <extracomment>Column of the gamepad mapping dialog, above each row's live level, about 64 px wide</extracomment>
        <translation>Now</translation>
    </message>
    <message id="pad_column_input_tips">
        <source>pad_column_input_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's input column</extracomment>
        <translation>The stick, trigger or button that does it</translation>
    </message>
    <message id="pad_column_speed_tips">
        <source>pad_column_speed_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's speed column</extracomment>
        <translation>How fast it moves with the input pushed all the way</translation>
    </message>
    <message id="pad_column_dead_zone_tips">
        <source>pad_column_dead_zone_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's dead zone column</extracomment>
        <translation>How far the stick or trigger travels before anything moves</translation>
    </message>
    <message id="pad_column_invert_tips">
        <source>pad_column_invert_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's invert switches</extracomment>
        <translation>Move the other way (sticks and triggers only)</translation>
    </message>
    <message id="pad_column_now_tips">
        <source>pad_column_now_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's live levels</extracomment>
        <translation>What the role gets from the controller now</translation>
    </message>
    <message id="pad_input_none">
        <source>pad_input_none</source>
        <extracomment>Entry of an input chooser in the gamepad mapping dialog: no input</extracomment>
        <translation>None</translation>
    </message>
    <message id="pad_input_left_x">
        <source>pad_input_left_x</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>Left stick ←→</translation>
    </message>
    <message id="pad_input_left_y">
        <source>pad_input_left_y</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>Left stick ↑↓</translation>
    </message>
    <message id="pad_input_right_x">
        <source>pad_input_right_x</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>Right stick ←→</translation>
    </message>
    <message id="pad_input_right_y">
        <source>pad_input_right_y</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>Right stick ↑↓</translation>
    </message>
    <message id="pad_input_left_trigger">
        <source>pad_input_left_trigger</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>Left trigger</translation>
    </message>
    <message id="pad_input_right_trigger">
        <source>pad_input_right_trigger</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>Right trigger</translation>
    </message>
    <message id="pad_input_back">
        <source>pad_input_back</source>
        <extracomment>A controller's button, in the choosers and on a chip of the controller view, about 40 px wide</extracomment>
        <translation>Back</translation>
    </message>
    <message id="pad_input_guide">
        <source>pad_input_guide</source>
        <extracomment>A controller's button (the one in the middle), in the choosers and on a chip of the controller view, about 40 px wide</extracomment>
        <translation>Guide</translation>
    </message>
    <message id="pad_input_start">
        <source>pad_input_start</source>
        <extracomment>A controller's button, in the choosers and on a chip of the controller view, about 40 px wide</extracomment>
        <translation>Start</translation>
    </message>
    <message id="pad_input_left_stick">
        <source>pad_input_left_stick</source>
        <extracomment>A controller's input (the left stick pushed in), in the gamepad mapping dialog's choosers</extracomment>
        <translation>Left stick press</translation>
    </message>
    <message id="pad_input_right_stick">
        <source>pad_input_right_stick</source>
        <extracomment>A controller's input (the right stick pushed in), in the gamepad mapping dialog's choosers</extracomment>
        <translation>Right stick press</translation>
    </message>
    <message id="pad_input_left_shoulder">
        <source>pad_input_left_shoulder</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>Left shoulder</translation>
    </message>
    <message id="pad_input_right_shoulder">
        <source>pad_input_right_shoulder</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>Right shoulder</translation>
    </message>
    <message id="pad_input_dpad_up">
        <source>pad_input_dpad_up</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>D-pad ↑</translation>
    </message>
    <message id="pad_input_dpad_down">
        <source>pad_input_dpad_down</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>D-pad ↓</translation>
    </message>
    <message id="pad_input_dpad_left">
        <source>pad_input_dpad_left</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>D-pad ←</translation>
    </message>
    <message id="pad_input_dpad_right">
        <source>pad_input_dpad_right</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>D-pad →</translation>
    </message>
    <message id="pad_defaults">
        <source>pad_defaults</source>
        <extracomment>Button of the gamepad mapping dialog, about 100 px wide</extracomment>
        <translation>Defaults</translation>
    </message>
    <message id="pad_defaults_tips">
        <source>pad_defaults_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's Defaults button</extracomment>
        <translation>Put back the layout the program comes with</translation>
    </message>
    <message id="pad_view">
        <source>pad_view</source>
        <extracomment>Screen reader name of the controller view in the gamepad mapping dialog</extracomment>
        <translation>Controller inputs</translation>
    </message>
    <message id="pad_view_tips">
        <source>pad_view_tips</source>
        <extracomment>Tooltip of the controller view in the gamepad mapping dialog</extracomment>
        <translation>The controller as it is now: both sticks with their dead zones, the triggers and the buttons lit while held</translation>
    </message>
    <message id="pad_no_controller">
        <source>pad_no_controller</source>
        <extracomment>In the controller view of the gamepad mapping dialog when no controller is plugged in</extracomment>
        <translation>No controller</translation>
    </message>
    <message id="pad_view_state">
        <source>pad_view_state</source>
        <extracomment>Screen reader description of the controller view: %1 the controller's name, %2 its inputs in use (a list) or pad_view_rest</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message id="pad_view_held">
        <source>pad_view_held</source>
        <extracomment>An item of the controller view's screen reader description; %1 is a button's name</extracomment>
        <translation>%1 held</translation>
    </message>
    <message id="pad_view_rest">
        <source>pad_view_rest</source>
        <extracomment>The controller view's screen reader description when nothing is pushed</extracomment>
        <translation>every input at rest</translation>
    </message>
    <message id="pad_list_separator">
        <source>pad_list_separator</source>
        <extracomment>Between the items of the controller view's screen reader description</extracomment>
        <translation>, </translation>
    </message>
    <message id="pad_pressed">
        <source>pad_pressed</source>
        <extracomment>Screen reader description of an action's live mark in the gamepad mapping dialog</extracomment>
        <translation>Pressed</translation>
    </message>
    <message id="pad_released">
        <source>pad_released</source>
        <extracomment>Screen reader description of an action's live mark in the gamepad mapping dialog</extracomment>
        <translation>Not pressed</translation>
    </message>
</context>
</TS>
