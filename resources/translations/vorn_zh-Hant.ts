<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>vorn</name>
    <message id="select_all">
        <source>select_all</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>全選</translation>
    </message>
    <message id="select_none">
        <source>select_none</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>取消全選</translation>
    </message>
    <message id="reset_servo">
        <source>reset_servo</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>伺服機歸位</translation>
    </message>
    <message id="read_deviation">
        <source>read_deviation</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>讀取偏差</translation>
    </message>
    <message id="download_deviation">
        <source>download_deviation</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>寫入偏差</translation>
    </message>
    <message id="reset_deviation">
        <source>reset_deviation</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>偏差歸零</translation>
    </message>
    <message id="wireless_connect">
        <source>wireless_connect</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>連線</translation>
    </message>
    <message id="wireless_disconnect">
        <source>wireless_disconnect</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>中斷連線</translation>
    </message>
    <message id="run_action">
        <source>run_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>執行動作組</translation>
    </message>
    <message id="stop">
        <source>stop</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>停止</translation>
    </message>
    <message id="single_erase">
        <source>single_erase</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>清除動作組</translation>
    </message>
    <message id="all_erase">
        <source>all_erase</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>全部清除</translation>
    </message>
    <message id="download">
        <source>download</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>下載</translation>
    </message>
    <message id="add_action">
        <source>add_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>新增動作</translation>
    </message>
    <message id="delete_action">
        <source>delete_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>刪除動作</translation>
    </message>
    <message id="update_action">
        <source>update_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>更新動作</translation>
    </message>
    <message id="Insert_action">
        <source>Insert_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>插入動作</translation>
    </message>
    <message id="motor_off">
        <source>motor_off</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>伺服機卸力</translation>
    </message>
    <message id="read_angle">
        <source>read_angle</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>讀取位置</translation>
    </message>
    <message id="open_action">
        <source>open_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>開啟檔案</translation>
    </message>
    <message id="save_action">
        <source>save_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>儲存檔案</translation>
    </message>
    <message id="integrate_action">
        <source>integrate_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>合併檔案</translation>
    </message>
    <message id="run_online">
        <source>run_online</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>線上執行</translation>
    </message>
    <message id="loop">
        <source>loop</source>
        <extracomment>Label of the loop switch</extracomment>
        <translation>循環</translation>
    </message>
    <message id="action_group">
        <source>action_group</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>動作組</translation>
    </message>
    <message id="action_time">
        <source>action_time</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>動作時間(ms)</translation>
    </message>
    <message id="total_time">
        <source>total_time</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>總時間</translation>
    </message>
    <message id="servo_deviation">
        <source>servo_deviation</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>伺服機偏差</translation>
    </message>
    <message id="copy_action">
        <source>copy_action</source>
        <extracomment>Context menu item</extracomment>
        <translation>複製動作</translation>
    </message>
    <message id="copy_action_up">
        <source>copy_action_up</source>
        <extracomment>Context menu item</extracomment>
        <translation>貼到上方</translation>
    </message>
    <message id="copy_action_down">
        <source>copy_action_down</source>
        <extracomment>Context menu item</extracomment>
        <translation>貼到下方</translation>
    </message>
    <message id="copy_action_update">
        <source>copy_action_update</source>
        <extracomment>Context menu item</extracomment>
        <translation>貼上並取代</translation>
    </message>
    <message id="actions_max_velmar_tips">
        <source>actions_max_velmar_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>一個動作組最多 1020 個動作，下載前請刪減。</translation>
    </message>
    <message id="add_action_first">
        <source>add_action_first</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>動作列表為空，請先新增動作再下載。</translation>
    </message>
    <message id="add_action_tips">
        <source>add_action_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>動作列表為空，請先新增動作。</translation>
    </message>
    <message id="connect_velmar">
        <source>connect_velmar</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>部分伺服機未回傳位置，請檢查連線後重試。</translation>
    </message>
    <message id="modify_erro">
        <source>modify_erro</source>
        <extracomment>Message of a tip dialog; %1 to %2 the values the cell takes</extracomment>
        <translation>輸入無效，請輸入 %1 到 %2 之間的整數。修改未生效。</translation>
    </message>
    <message id="is_file_velmar">
        <source>is_file_velmar</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>此動作檔案不適用於本機械手臂，無法使用。</translation>
    </message>
    <message id="file_damage">
        <source>file_damage</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>檔案無法讀取或不是動作檔案（.rob）。</translation>
    </message>
    <message id="save_file_tips">
        <source>save_file_tips</source>
        <extracomment>Reminder that glides across the editor in large red type</extracomment>
        <translation>記得儲存動作檔案！</translation>
    </message>
    <message id="motor_off_tips">
        <source>motor_off_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>伺服機即將卸力，請扶住機械手臂，再用手擺好姿勢。</translation>
    </message>
    <message id="run_over">
        <source>run_over</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>執行結束。</translation>
    </message>
    <message id="stop_run">
        <source>stop_run</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>機械手臂已中斷連線，執行已停止。</translation>
    </message>
    <message id="comfirm_single_erase">
        <source>comfirm_single_erase</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>確定要清除控制板上的動作組 %1 嗎？</translation>
    </message>
    <message id="open_panel_title">
        <source>open_panel_title</source>
        <extracomment>Title of the file panel that opens an action file</extracomment>
        <translation>開啟動作檔案</translation>
    </message>
    <message id="integrate_panel_title">
        <source>integrate_panel_title</source>
        <extracomment>Title of the file panel whose files are merged into the list</extracomment>
        <translation>把動作檔案合併到列表</translation>
    </message>
    <message id="comfirm_all_erase">
        <source>comfirm_all_erase</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>確定要清除控制板上的所有動作組嗎？</translation>
    </message>
    <message id="erase_fail">
        <source>erase_fail</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>清除失敗，控制板未回應。</translation>
    </message>
    <message id="replace_deviation">
        <source>replace_deviation</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>從伺服機讀取偏差將取代目前顯示的偏差，是否繼續？</translation>
    </message>
    <message id="slider_reversed">
        <source>slider_reversed</source>
        <extracomment>Tooltip of a reversed channel's position slider</extracomment>
        <translation>伺服機反向安裝：滑桿由右向左增大</translation>
    </message>
    <message id="slider_frame_mark">
        <source>slider_frame_mark</source>
        <extracomment>Tooltip of a channel's position slider: the position the table's selected frame holds, marked on the track</extracomment>
        <translation>所選幀中：%1</translation>
    </message>
    <message id="slider_range">
        <source>slider_range</source>
        <extracomment>Tooltip of a channel's position slider; its safe range</extracomment>
        <translation>安全範圍：%1 至 %2</translation>
    </message>
    <message id="send_clamped">
        <source>send_clamped</source>
        <extracomment>Status line once per run or download; %1 first frame number, %2 its channel, %3 and %4 the channel's safe range</extracomment>
        <translation>超出安全範圍的位置按最近的邊界傳送：首個在第 %1 幀，%2（%3 至 %4）</translation>
    </message>
    <message id="strike_ask_download">
        <source>strike_ask_download</source>
        <extracomment>Question before a download into the board; %1 frame number, %2 what it would strike. Cancel is the default</extracomment>
        <translation>第 %1 幀會撞到%2。仍然下載到控制板嗎？</translation>
    </message>
    <message id="strike_ask_run">
        <source>strike_ask_run</source>
        <extracomment>Question before an online run; %1 frame number, %2 what it would strike. Cancel is the default</extracomment>
        <translation>第 %1 幀會撞到%2。仍然執行嗎？</translation>
    </message>
    <message id="mark_frame">
        <source>mark_frame</source>
        <extracomment>First line of the curves' tooltip on a marked frame; %1 the frame's number</extracomment>
        <translation>第 %1 幀</translation>
    </message>
    <message id="strike_mark">
        <source>strike_mark</source>
        <extracomment>Table and curve tooltip of a frame whose pose would strike; %1 is strike_ground, strike_column or strike_both</extracomment>
        <translation>這個姿態會撞到%1</translation>
    </message>
    <message id="strike_both">
        <source>strike_both</source>
        <extracomment>What a pose would strike, inserted into strike_mark, the questions and vornctl's refusals</extracomment>
        <translation>地面和底座的立柱</translation>
    </message>
    <message id="strike_column">
        <source>strike_column</source>
        <extracomment>What a pose would strike, inserted into strike_mark, the questions and vornctl's refusals</extracomment>
        <translation>底座的立柱</translation>
    </message>
    <message id="strike_ground">
        <source>strike_ground</source>
        <extracomment>What a pose would strike, inserted into strike_mark, the questions and vornctl's refusals</extracomment>
        <translation>地面</translation>
    </message>
    <message id="range_outside">
        <source>range_outside</source>
        <extracomment>Table and curve tooltip: a stored position lies outside a channel's safe range. %1 channel (ID:3 (Wrist)), %2 lowest, %3 highest</extracomment>
        <translation>超出%1的安全範圍：%2 至 %3</translation>
    </message>
    <message id="download_dev_tips">
        <source>download_dev_tips</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>確定將目前偏差寫入伺服機嗎？</translation>
    </message>
    <message id="reset_dev_tips">
        <source>reset_dev_tips</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>確定將所有伺服機的偏差設為 0 並寫入伺服機嗎？</translation>
    </message>
    <message id="read_dev_first">
        <source>read_dev_first</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>調整前是否先讀取伺服機目前的偏差？</translation>
    </message>
    <message id="read_dev_erro">
        <source>read_dev_erro</source>
        <extracomment>Followed by a space and servo numbers, such as 3,5</extracomment>
        <translation>無法讀取以下伺服機的偏差：</translation>
    </message>
    <message id="servo_id">
        <source>servo_id</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>伺服機 ID</translation>
    </message>
    <message id="deviation">
        <source>deviation</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>偏差</translation>
    </message>
    <message id="led_control">
        <source>led_control</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>LED 控制</translation>
    </message>
    <message id="angle">
        <source>angle</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>角度範圍</translation>
    </message>
    <message id="voltage">
        <source>voltage</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>電壓範圍</translation>
    </message>
    <message id="temperature">
        <source>temperature</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>溫度上限</translation>
    </message>
    <message id="led_warning">
        <source>led_warning</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>LED 警示</translation>
    </message>
    <message id="over_heat">
        <source>over_heat</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>過熱</translation>
    </message>
    <message id="over_voltage">
        <source>over_voltage</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>過壓</translation>
    </message>
    <message id="over_position">
        <source>over_position</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>堵轉</translation>
    </message>
    <message id="read_status">
        <source>read_status</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>即時狀態</translation>
    </message>
    <message id="cur_temperature">
        <source>cur_temperature</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>目前溫度</translation>
    </message>
    <message id="cur_voltage">
        <source>cur_voltage</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>目前電壓</translation>
    </message>
    <message id="cur_position">
        <source>cur_position</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>目前位置</translation>
    </message>
    <message id="servo_test">
        <source>servo_test</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>伺服機測試</translation>
    </message>
    <message id="time">
        <source>time</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>時間(ms)</translation>
    </message>
    <message id="position">
        <source>position</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>位置</translation>
    </message>
    <message id="speed">
        <source>speed</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>速度</translation>
    </message>
    <message id="servo_mode">
        <source>servo_mode</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>伺服機模式</translation>
    </message>
    <message id="motor_mode">
        <source>motor_mode</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>馬達模式</translation>
    </message>
    <message id="default">
        <source>default</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>預設值</translation>
    </message>
    <message id="set">
        <source>set</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>寫入</translation>
    </message>
    <message id="read">
        <source>read</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>讀取</translation>
    </message>
    <message id="settings">
        <source>settings</source>
        <extracomment>Title of the progress bar while parameters are written</extracomment>
        <translation>正在寫入…</translation>
    </message>
    <message id="set_complete">
        <source>set_complete</source>
        <extracomment>Title of the progress bar when writing is done</extracomment>
        <translation>寫入完成</translation>
    </message>
    <message id="mass_download_Tips">
        <source>mass_download_Tips</source>
        <extracomment>Title of the batch download panel; 号 must stay the character U+53F7</extracomment>
        <translation>批次下載（檔名如 3号wave.rob，即下載到動作組 3）</translation>
    </message>
    <message id="mass_open">
        <source>mass_open</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>選擇檔案</translation>
    </message>
    <message id="mass_download">
        <source>mass_download</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>批次下載</translation>
    </message>
    <message id="action_index">
        <source>action_index</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>動作組</translation>
    </message>
    <message id="single_servo_tips">
        <source>single_servo_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>讀寫參數時，匯流排上只能連接一個伺服機。</translation>
    </message>
    <message id="add_action_first_mass">
        <source>add_action_first_mass</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>請先選擇要下載的動作檔案。</translation>
    </message>
    <message id="file_error">
        <source>file_error</source>
        <extracomment>号 must stay the character U+53F7</extracomment>
        <translation>檔名須以「組號+号」開頭，例如 3号wave.rob，其他檔案已略過。</translation>
    </message>
    <message id="connect_robot">
        <source>connect_robot</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>請先透過 USB 連接機械手臂。</translation>
    </message>
    <message id="operation_fail">
        <source>operation_fail</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>序列埠已開啟，無法執行此操作，請先中斷連線。</translation>
    </message>
    <message id="serial_usb_in_use">
        <source>serial_usb_in_use</source>
        <extracomment>Message of a tip dialog: the serial port&#x27;s Connect while the USB board is connected</extracomment>
        <translation>機械手臂已透過 USB 連接，請先拔下 USB 再連接序列埠。</translation>
    </message>
    <message id="progress">
        <source>progress</source>
        <extracomment>Button title while a download runs; also a tip and the prefix of the file being downloaded</extracomment>
        <translation>正在下載…</translation>
    </message>
    <message id="download_success">
        <source>download_success</source>
        <extracomment>Result line of the bus-servo tool, fades</extracomment>
        <translation>下載完成。</translation>
    </message>
    <message id="read_success">
        <source>read_success</source>
        <extracomment>Result line of the bus-servo tool, fades</extracomment>
        <translation>讀取成功。</translation>
    </message>
    <message id="read_timeout">
        <source>read_timeout</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>讀取逾時，請檢查連線後重試。</translation>
    </message>
    <message id="wait_timeout">
        <source>wait_timeout</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>控制板回應逾時，請檢查連線後重試。</translation>
    </message>
    <message id="send_fail">
        <source>send_fail</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>傳送到控制板失敗，請檢查 USB 線。</translation>
    </message>
    <message id="hid_permission">
        <source>hid_permission</source>
        <extracomment>A technical reason in English follows on its own lines</extracomment>
        <translation>已找到機械手臂控制板，但無法開啟。</translation>
    </message>
    <message id="normal_mode">
        <source>normal_mode</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>動作編輯</translation>
    </message>
    <message id="servo_adjust">
        <source>servo_adjust</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>匯流排伺服機調校</translation>
    </message>
    <message id="link_virtual">
        <source>link_virtual</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>虛擬控制板</translation>
    </message>
    <message id="link_switch_tips">
        <source>link_switch_tips</source>
        <extracomment>Tool tip of the board badge in the top bar</extracomment>
        <translation>按一下即可在 USB 控制板與虛擬控制板之間切換。</translation>
    </message>
    <message id="comfirm">
        <source>comfirm</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>確定</translation>
    </message>
    <message id="cancel">
        <source>cancel</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>取消</translation>
    </message>
    <message id="USB-HID Connected">
        <source>USB-HID Connected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>USB 裝置已連線</translation>
    </message>
    <message id="USB-HID Disconnected">
        <source>USB-HID Disconnected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>USB 裝置已中斷連線</translation>
    </message>
    <message id="USB-HID">
        <source>USB-HID</source>
        <extracomment>Starts the notification text; the device name and the connected or disconnected phrase follow</extracomment>
        <translation>USB 裝置</translation>
    </message>
    <message id="Serial Port Connected">
        <source>Serial Port Connected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>序列埠已連線</translation>
    </message>
    <message id="Serial Port Disconnected">
        <source>Serial Port Disconnected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>序列埠已中斷連線</translation>
    </message>
    <message id="Serial Port">
        <source>Serial Port</source>
        <extracomment>Starts the notification text; the port name and the connected or disconnected phrase follow</extracomment>
        <translation>序列埠</translation>
    </message>
    <message id="was connected to your Mac.">
        <source>was connected to your Mac.</source>
        <extracomment>Ends the notification text after a device or port name</extracomment>
        <translation>已連接到這部電腦。</translation>
    </message>
    <message id="was disconnected from your Mac.">
        <source>was disconnected from your Mac.</source>
        <extracomment>Ends the notification text after a device or port name</extracomment>
        <translation>已與這部電腦中斷連線。</translation>
    </message>
    <message id="tag_release">
        <source>tag_release</source>
        <extracomment>Label</extracomment>
        <translation>鬆</translation>
    </message>
    <message id="tag_close">
        <source>tag_close</source>
        <extracomment>Label</extracomment>
        <translation>合</translation>
    </message>
    <message id="tag_left">
        <source>tag_left</source>
        <extracomment>Label</extracomment>
        <translation>左</translation>
    </message>
    <message id="tag_right">
        <source>tag_right</source>
        <extracomment>Label</extracomment>
        <translation>右</translation>
    </message>
    <message id="tag_forward">
        <source>tag_forward</source>
        <extracomment>Label</extracomment>
        <translation>前</translation>
    </message>
    <message id="tag_backward">
        <source>tag_backward</source>
        <extracomment>Label</extracomment>
        <translation>後</translation>
    </message>
    <message id="download_fail">
        <source>download_fail</source>
        <extracomment>Message of a tip dialog. %1 the file or group, %2 the download step (1 to 5), %3 what happened (download_no_ack, download_send_fail or download_board_lost)</extracomment>
        <translation>%1 下載失敗：第 %2 步出錯，%3。</translation>
    </message>
    <message id="download_fail_earlier_kept">
        <source>download_fail_earlier_kept</source>
        <extracomment>Follows download_fail in a batch download that stopped after its first file</extracomment>
        <translation>之前的檔案已保存到各自的動作組。</translation>
    </message>
    <message id="download_no_ack">
        <source>download_no_ack</source>
        <extracomment>Completes download_fail</extracomment>
        <translation>控制板未及時確認</translation>
    </message>
    <message id="download_send_fail">
        <source>download_send_fail</source>
        <extracomment>Completes download_fail</extracomment>
        <translation>無法發送到控制板</translation>
    </message>
    <message id="download_board_lost">
        <source>download_board_lost</source>
        <extracomment>Completes download_fail</extracomment>
        <translation>控制板已斷開</translation>
    </message>
    <message id="download_frame">
        <source>download_frame</source>
        <extracomment>Under the file being downloaded; %1 the frame, %2 the frames of the file</extracomment>
        <translation>第 %1 / %2 幀</translation>
    </message>
    <message id="led_on">
        <source>led_on</source>
        <extracomment>State of the servo's LED switch</extracomment>
        <translation>開</translation>
    </message>
    <message id="led_off">
        <source>led_off</source>
        <extracomment>State of the servo's LED switch</extracomment>
        <translation>關</translation>
    </message>
    <message id="servo_id_label">
        <source>servo_id_label</source>
        <extracomment>Caption before the servo id field</extracomment>
        <translation>ID:</translation>
    </message>
    <message id="upper_limit">
        <source>upper_limit</source>
        <extracomment>Caption of an upper limit slider, short</extracomment>
        <translation>上限</translation>
    </message>
    <message id="lower_limit">
        <source>lower_limit</source>
        <extracomment>Caption of a lower limit slider, short</extracomment>
        <translation>下限</translation>
    </message>
    <message id="virtual_bus_servos">
        <source>virtual_bus_servos</source>
        <extracomment>Section of the virtual board's menu on the link badge</extracomment>
        <translation>虛擬控制板上的匯流排伺服機</translation>
    </message>
    <message id="bus_servos_none">
        <source>bus_servos_none</source>
        <extracomment>Menu entry</extracomment>
        <translation>無</translation>
    </message>
    <message id="bus_servos_one">
        <source>bus_servos_one</source>
        <extracomment>Menu entry</extracomment>
        <translation>一個伺服機</translation>
    </message>
    <message id="bus_servos_two">
        <source>bus_servos_two</source>
        <extracomment>Menu entry</extracomment>
        <translation>兩個伺服機</translation>
    </message>
    <message id="ctl_help_app">
        <source>ctl_help_app</source>
        <extracomment>Command-line help</extracomment>
        <translation>vornctl：在命令列中操作機械臂控制板和動作檔案</translation>
    </message>
    <message id="ctl_help_verbose">
        <source>ctl_help_verbose</source>
        <extracomment>Command-line help</extracomment>
        <translation>在標準錯誤輸出中顯示通訊日誌</translation>
    </message>
    <message id="ctl_help_list">
        <source>ctl_help_list</source>
        <extracomment>Command-line help</extracomment>
        <translation>列出 USB 上的控制板和序列埠</translation>
    </message>
    <message id="ctl_help_list_simulate">
        <source>ctl_help_list_simulate</source>
        <extracomment>Command-line help</extracomment>
        <translation>同時列出虛擬控制板</translation>
    </message>
    <message id="ctl_help_json">
        <source>ctl_help_json</source>
        <extracomment>Command-line help</extracomment>
        <translation>以 JSON 格式輸出</translation>
    </message>
    <message id="ctl_help_download">
        <source>ctl_help_download</source>
        <extracomment>Command-line help</extracomment>
        <translation>將動作檔案下載到一個動作組</translation>
    </message>
    <message id="ctl_help_download_many">
        <source>ctl_help_download_many</source>
        <extracomment>Command-line help</extracomment>
        <translation>下載多個動作檔案，每個檔案下載到其檔名開頭的動作組（3号wave.rob）</translation>
    </message>
    <message id="ctl_help_group">
        <source>ctl_help_group</source>
        <extracomment>Command-line help</extracomment>
        <translation>動作組</translation>
    </message>
    <message id="ctl_help_group_or_all">
        <source>ctl_help_group_or_all</source>
        <extracomment>Command-line help</extracomment>
        <translation>動作組，或 all（全部）</translation>
    </message>
    <message id="ctl_help_rob_file">
        <source>ctl_help_rob_file</source>
        <extracomment>Command-line help</extracomment>
        <translation>動作檔案（.rob）</translation>
    </message>
    <message id="ctl_help_rob_files">
        <source>ctl_help_rob_files</source>
        <extracomment>Command-line help</extracomment>
        <translation>名為 &lt;動作組&gt;号&lt;名稱&gt;.rob 的動作檔案</translation>
    </message>
    <message id="ctl_help_skip_refused">
        <source>ctl_help_skip_refused</source>
        <extracomment>Command-line help</extracomment>
        <translation>傳送可以傳送的檔案並列出被拒絕的檔案（結束碼 1），而不是一個都不傳送</translation>
    </message>
    <message id="ctl_help_run">
        <source>ctl_help_run</source>
        <extracomment>Command-line help</extracomment>
        <translation>執行已儲存的動作組</translation>
    </message>
    <message id="ctl_help_times">
        <source>ctl_help_times</source>
        <extracomment>Command-line help</extracomment>
        <translation>執行的遍數</translation>
    </message>
    <message id="ctl_help_stop">
        <source>ctl_help_stop</source>
        <extracomment>Command-line help</extracomment>
        <translation>停止正在執行的動作組</translation>
    </message>
    <message id="ctl_help_erase">
        <source>ctl_help_erase</source>
        <extracomment>Command-line help</extracomment>
        <translation>擦除一個動作組或全部動作組</translation>
    </message>
    <message id="ctl_help_yes">
        <source>ctl_help_yes</source>
        <extracomment>Command-line help</extracomment>
        <translation>不詢問</translation>
    </message>
    <message id="ctl_help_move">
        <source>ctl_help_move</source>
        <extracomment>Command-line help</extracomment>
        <translation>轉動一個伺服機</translation>
    </message>
    <message id="ctl_help_servo_id">
        <source>ctl_help_servo_id</source>
        <extracomment>Command-line help</extracomment>
        <translation>伺服機 ID</translation>
    </message>
    <message id="ctl_help_position">
        <source>ctl_help_position</source>
        <extracomment>Command-line help</extracomment>
        <translation>位置</translation>
    </message>
    <message id="ctl_help_time">
        <source>ctl_help_time</source>
        <extracomment>Command-line help</extracomment>
        <translation>轉動時間，毫秒（USB 預設 0，序列埠預設 20）</translation>
    </message>
    <message id="ctl_help_reset">
        <source>ctl_help_reset</source>
        <extracomment>Command-line help</extracomment>
        <translation>在一秒內將伺服機 1 到 40 轉到 500</translation>
    </message>
    <message id="ctl_help_unload">
        <source>ctl_help_unload</source>
        <extracomment>Command-line help</extracomment>
        <translation>伺服機斷電，以便用手擺動作</translation>
    </message>
    <message id="ctl_help_ids">
        <source>ctl_help_ids</source>
        <extracomment>Command-line help</extracomment>
        <translation>伺服機 ID（預設 1 到 6）</translation>
    </message>
    <message id="ctl_help_read_positions">
        <source>ctl_help_read_positions</source>
        <extracomment>Command-line help</extracomment>
        <translation>讀取伺服機位置</translation>
    </message>
    <message id="ctl_help_trims">
        <source>ctl_help_trims</source>
        <extracomment>Command-line help</extracomment>
        <translation>伺服機偏差</translation>
    </message>
    <message id="ctl_help_trims_read">
        <source>ctl_help_trims_read</source>
        <extracomment>Command-line help</extracomment>
        <translation>讀取偏差</translation>
    </message>
    <message id="ctl_help_trims_store">
        <source>ctl_help_trims_store</source>
        <extracomment>Command-line help</extracomment>
        <translation>將伺服機目前的偏差寫入伺服機</translation>
    </message>
    <message id="ctl_help_trims_adjust">
        <source>ctl_help_trims_adjust</source>
        <extracomment>Command-line help</extracomment>
        <translation>設定伺服機偏差（執行 trims store 後才儲存）</translation>
    </message>
    <message id="ctl_help_trim_value">
        <source>ctl_help_trim_value</source>
        <extracomment>Command-line help</extracomment>
        <translation>偏差</translation>
    </message>
    <message id="ctl_help_servo">
        <source>ctl_help_servo</source>
        <extracomment>Command-line help</extracomment>
        <translation>控制板匯流排上的串列匯流排伺服機</translation>
    </message>
    <message id="ctl_help_servo_check">
        <source>ctl_help_servo_check</source>
        <extracomment>Command-line help</extracomment>
        <translation>統計應答的匯流排伺服機數量（ID 1 到 6）</translation>
    </message>
    <message id="ctl_help_servo_read">
        <source>ctl_help_servo_read</source>
        <extracomment>Command-line help</extracomment>
        <translation>讀取匯流排伺服機的全部參數</translation>
    </message>
    <message id="ctl_help_servo_write">
        <source>ctl_help_servo_write</source>
        <extracomment>Command-line help</extracomment>
        <translation>修改匯流排上唯一伺服機的指定參數（先讀後寫）</translation>
    </message>
    <message id="ctl_help_servo_motor">
        <source>ctl_help_servo_motor</source>
        <extracomment>Command-line help</extracomment>
        <translation>讓伺服機以帶符號的速度作為馬達轉動</translation>
    </message>
    <message id="ctl_help_speed">
        <source>ctl_help_speed</source>
        <extracomment>Command-line help</extracomment>
        <translation>速度</translation>
    </message>
    <message id="ctl_help_servo_mode">
        <source>ctl_help_servo_mode</source>
        <extracomment>Command-line help</extracomment>
        <translation>在伺服機模式和馬達模式之間切換</translation>
    </message>
    <message id="ctl_help_mode">
        <source>ctl_help_mode</source>
        <extracomment>Command-line help</extracomment>
        <translation>servo（伺服機）或 motor（馬達）</translation>
    </message>
    <message id="ctl_help_file">
        <source>ctl_help_file</source>
        <extracomment>Command-line help</extracomment>
        <translation>檢視和轉換動作檔案</translation>
    </message>
    <message id="ctl_help_profiles">
        <source>ctl_help_profiles</source>
        <extracomment>Command-line help</extracomment>
        <translation>列出 --profile 可指定的機械臂設定檔，每行一個</translation>
    </message>
    <message id="ctl_help_file_show">
        <source>ctl_help_file_show</source>
        <extracomment>Command-line help</extracomment>
        <translation>顯示動作檔案的各幀</translation>
    </message>
    <message id="ctl_help_file_export">
        <source>ctl_help_file_export</source>
        <extracomment>Command-line help</extracomment>
        <translation>將動作檔案匯出為 JSON 或 CSV</translation>
    </message>
    <message id="ctl_help_export_format">
        <source>ctl_help_export_format</source>
        <extracomment>Command-line help</extracomment>
        <translation>json 或 csv（預設依 -o 的副檔名，否則 json）</translation>
    </message>
    <message id="ctl_help_export_output">
        <source>ctl_help_export_output</source>
        <extracomment>Command-line help</extracomment>
        <translation>輸出檔案（預設：標準輸出）</translation>
    </message>
    <message id="ctl_help_file_import">
        <source>ctl_help_file_import</source>
        <extracomment>Command-line help</extracomment>
        <translation>由 JSON 或 CSV 產生動作檔案</translation>
    </message>
    <message id="ctl_help_import_input">
        <source>ctl_help_import_input</source>
        <extracomment>Command-line help</extracomment>
        <translation>JSON 或 CSV 檔案</translation>
    </message>
    <message id="ctl_help_import_format">
        <source>ctl_help_import_format</source>
        <extracomment>Command-line help</extracomment>
        <translation>json 或 csv（預設依副檔名）</translation>
    </message>
    <message id="ctl_help_import_output">
        <source>ctl_help_import_output</source>
        <extracomment>Command-line help</extracomment>
        <translation>要寫入的動作檔案（.rob）</translation>
    </message>
    <message id="ctl_help_simulate">
        <source>ctl_help_simulate</source>
        <extracomment>Command-line help</extracomment>
        <translation>使用虛擬控制板而非 USB</translation>
    </message>
    <message id="ctl_help_sim_servos">
        <source>ctl_help_sim_servos</source>
        <extracomment>Command-line help</extracomment>
        <translation>虛擬控制板匯流排上的伺服機數（預設 1）</translation>
    </message>
    <message id="ctl_help_serial">
        <source>ctl_help_serial</source>
        <extracomment>Command-line help</extracomment>
        <translation>改為透過此序列埠傳送</translation>
    </message>
    <message id="ctl_help_baud">
        <source>ctl_help_baud</source>
        <extracomment>Command-line help</extracomment>
        <translation>序列埠鮑率（預設 9600）</translation>
    </message>
    <message id="ctl_help_timeout">
        <source>ctl_help_timeout</source>
        <extracomment>Command-line help</extracomment>
        <translation>最多等待的毫秒數（預設 10000）</translation>
    </message>
    <message id="ctl_help_trace">
        <source>ctl_help_trace</source>
        <extracomment>Command-line help</extracomment>
        <translation>在標準錯誤輸出中以十六進位顯示每個傳送的幀（&gt;）和收到的報告（&lt;）</translation>
    </message>
    <message id="ctl_help_exit_codes">
        <source>ctl_help_exit_codes</source>
        <extracomment>Command-line help, heading</extracomment>
        <translation>結束碼：</translation>
    </message>
    <message id="ctl_help_param_id">
        <source>ctl_help_param_id</source>
        <extracomment>Command-line help</extracomment>
        <translation>匯流排 ID</translation>
    </message>
    <message id="ctl_help_param_min_angle">
        <source>ctl_help_param_min_angle</source>
        <extracomment>Command-line help</extracomment>
        <translation>角度下限</translation>
    </message>
    <message id="ctl_help_param_max_angle">
        <source>ctl_help_param_max_angle</source>
        <extracomment>Command-line help</extracomment>
        <translation>角度上限</translation>
    </message>
    <message id="ctl_help_param_min_voltage">
        <source>ctl_help_param_min_voltage</source>
        <extracomment>Command-line help</extracomment>
        <translation>最低供電電壓，伏</translation>
    </message>
    <message id="ctl_help_param_max_voltage">
        <source>ctl_help_param_max_voltage</source>
        <extracomment>Command-line help</extracomment>
        <translation>最高供電電壓，伏</translation>
    </message>
    <message id="ctl_help_param_temperature">
        <source>ctl_help_param_temperature</source>
        <extracomment>Command-line help</extracomment>
        <translation>溫度上限，攝氏度</translation>
    </message>
    <message id="ctl_help_param_led">
        <source>ctl_help_param_led</source>
        <extracomment>Command-line help</extracomment>
        <translation>LED 開（on）或關（off）</translation>
    </message>
    <message id="ctl_help_param_stall">
        <source>ctl_help_param_stall</source>
        <extracomment>Command-line help</extracomment>
        <translation>堵轉警報，on 或 off</translation>
    </message>
    <message id="ctl_help_param_over_voltage">
        <source>ctl_help_param_over_voltage</source>
        <extracomment>Command-line help</extracomment>
        <translation>過壓警報，on 或 off</translation>
    </message>
    <message id="ctl_help_param_over_temperature">
        <source>ctl_help_param_over_temperature</source>
        <extracomment>Command-line help</extracomment>
        <translation>過溫警報，on 或 off</translation>
    </message>
    <message id="ctl_exit_done">
        <source>ctl_exit_done</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>完成</translation>
    </message>
    <message id="ctl_exit_failed">
        <source>ctl_exit_failed</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>其他失敗</translation>
    </message>
    <message id="ctl_exit_usage">
        <source>ctl_exit_usage</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>用法錯誤</translation>
    </message>
    <message id="ctl_exit_no_board">
        <source>ctl_exit_no_board</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>沒有控制板（或序列埠無法開啟）</translation>
    </message>
    <message id="ctl_exit_several_boards">
        <source>ctl_exit_several_boards</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>USB 上有多塊控制板</translation>
    </message>
    <message id="ctl_exit_no_permission">
        <source>ctl_exit_no_permission</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>沒有開啟控制板的權限</translation>
    </message>
    <message id="ctl_exit_time_out">
        <source>ctl_exit_time_out</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>控制板未及時應答</translation>
    </message>
    <message id="ctl_exit_board_lost">
        <source>ctl_exit_board_lost</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>控制板已斷開</translation>
    </message>
    <message id="ctl_exit_refused">
        <source>ctl_exit_refused</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>被控制板或使用者拒絕</translation>
    </message>
    <message id="ctl_exit_file_error">
        <source>ctl_exit_file_error</source>
        <extracomment>Exit code meaning</extracomment>
        <translation>檔案錯誤</translation>
    </message>
    <message id="ctl_bad_fault">
        <source>ctl_bad_fault</source>
        <extracomment>Error; %1 a fault setting</extracomment>
        <translation>虛擬控制板故障設定有誤：「%1」</translation>
    </message>
    <message id="ctl_bad_fault_number">
        <source>ctl_bad_fault_number</source>
        <extracomment>Error; %1 a fault setting, %2 what is wrong with one of its numbers</extracomment>
        <translation>虛擬控制板故障設定「%1」：%2</translation>
    </message>
    <message id="ctl_unknown_fault">
        <source>ctl_unknown_fault</source>
        <extracomment>Error; %1 a fault setting</extracomment>
        <translation>未知的虛擬控制板故障：「%1」</translation>
    </message>
    <message id="ctl_bad_baud">
        <source>ctl_bad_baud</source>
        <extracomment>Error</extracomment>
        <translation>%1 不是標準鮑率</translation>
    </message>
    <message id="ctl_serial_open_failed">
        <source>ctl_serial_open_failed</source>
        <extracomment>Error; %1 port, %2 reason</extracomment>
        <translation>無法開啟序列埠 %1：%2</translation>
    </message>
    <message id="ctl_no_board_in_time">
        <source>ctl_no_board_in_time</source>
        <extracomment>Error</extracomment>
        <translation>控制板在 %1 毫秒內未就緒</translation>
    </message>
    <message id="ctl_lost_sending">
        <source>ctl_lost_sending</source>
        <extracomment>Error</extracomment>
        <translation>傳送時控制板斷開</translation>
    </message>
    <message id="ctl_lost_waiting">
        <source>ctl_lost_waiting</source>
        <extracomment>Error</extracomment>
        <translation>等待應答時控制板斷開</translation>
    </message>
    <message id="ctl_lost_starting">
        <source>ctl_lost_starting</source>
        <extracomment>Error</extracomment>
        <translation>開始下載時控制板斷開</translation>
    </message>
    <message id="ctl_lost_downloading">
        <source>ctl_lost_downloading</source>
        <extracomment>Error</extracomment>
        <translation>下載動作組 %1 時控制板斷開</translation>
    </message>
    <message id="ctl_serial_write_failed">
        <source>ctl_serial_write_failed</source>
        <extracomment>Error</extracomment>
        <translation>無法寫入序列埠 %1</translation>
    </message>
    <message id="ctl_send_failed">
        <source>ctl_send_failed</source>
        <extracomment>Error</extracomment>
        <translation>無法向控制板傳送資料</translation>
    </message>
    <message id="ctl_no_answer">
        <source>ctl_no_answer</source>
        <extracomment>Error</extracomment>
        <translation>控制板在 %1 毫秒內未應答</translation>
    </message>
    <message id="ctl_cannot_download">
        <source>ctl_cannot_download</source>
        <extracomment>Error</extracomment>
        <translation>無法下載：%1</translation>
    </message>
    <message id="ctl_no_acknowledgement">
        <source>ctl_no_acknowledgement</source>
        <extracomment>Error</extracomment>
        <translation>控制板在 %3 毫秒內未確認動作組 %2 的第 %1 步</translation>
    </message>
    <message id="ctl_step_not_sent">
        <source>ctl_step_not_sent</source>
        <extracomment>Error</extracomment>
        <translation>無法傳送動作組 %2 的第 %1 步</translation>
    </message>
    <message id="ctl_download_cancelled">
        <source>ctl_download_cancelled</source>
        <extracomment>Error</extracomment>
        <translation>下載已取消</translation>
    </message>
    <message id="ctl_no_usb_board">
        <source>ctl_no_usb_board</source>
        <extracomment>Error</extracomment>
        <translation>USB 上沒有找到控制板（虛擬控制板請用 --simulate）</translation>
    </message>
    <message id="py_no_usb_board">
        <source>py_no_usb_board</source>
        <extracomment>Error of the Python module</extracomment>
        <translation>USB 上沒有找到控制板（vorn.Board.simulate() 開啟虛擬控制板）</translation>
    </message>
    <message id="ctl_several_boards">
        <source>ctl_several_boards</source>
        <extracomment>Error</extracomment>
        <translation>USB 上找到 %1 塊控制板；請只保留一塊</translation>
    </message>
    <message id="ctl_no_permission">
        <source>ctl_no_permission</source>
        <extracomment>Error; %1 device path, %2 reason in brackets, %3 the udev hint</extracomment>
        <translation>沒有權限開啟位於 %1 的控制板%2。%3</translation>
    </message>
    <message id="ctl_udev_hint">
        <source>ctl_udev_hint</source>
        <extracomment>Hint</extracomment>
        <translation>請安裝 udev 規則 70-vorn.rules（cmake --install 或 .deb 安裝套件），執行 &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot;，然後重新插拔控制板。</translation>
    </message>
    <message id="ctl_too_many_ids">
        <source>ctl_too_many_ids</source>
        <extracomment>Error</extracomment>
        <translation>一次最多 %1 個 ID</translation>
    </message>
    <message id="ctl_no_answer_from">
        <source>ctl_no_answer_from</source>
        <extracomment>Error; %1 servo ids</extracomment>
        <translation>伺服機 %1 未應答</translation>
    </message>
    <message id="ctl_progress_group" numerus="yes">
        <source>ctl_progress_group</source>
        <extracomment>Download progress line; %1 a group, %2 frames sent of %n</extracomment>
        <translation>
            <numerusform>動作組 %1：%2/%n 幀</numerusform>
        </translation>
    </message>
    <message id="ctl_progress_bar">
        <source>ctl_progress_bar</source>
        <extracomment>Download progress bar label</extracomment>
        <translation>動作組 %1</translation>
    </message>
    <message id="ctl_downloaded" numerus="yes">
        <source>ctl_downloaded</source>
        <extracomment>Result; %1 file name, %2 a group, %n its frames</extracomment>
        <translation>
            <numerusform>%1 已下載到動作組 %2（%n 幀）</numerusform>
        </translation>
    </message>
    <message id="ctl_range">
        <source>ctl_range</source>
        <extracomment>Command-line help; %1 to %2 are the smallest and largest number accepted</extracomment>
        <translation>%1 到 %2</translation>
    </message>
    <message id="ctl_range_or">
        <source>ctl_range_or</source>
        <extracomment>Command-line help; %1 a range of numbers, %2 a word accepted instead</extracomment>
        <translation>%1，或 %2</translation>
    </message>
    <message id="ctl_not_a_number">
        <source>ctl_not_a_number</source>
        <extracomment>Error; %1 what was typed, %2 what is accepted</extracomment>
        <translation>「%1」不是十進位數字；請給出 %2</translation>
    </message>
    <message id="ctl_out_of_range">
        <source>ctl_out_of_range</source>
        <extracomment>Error; %1 what was typed, %2 what is accepted</extracomment>
        <translation>%1 超出範圍；請給出 %2</translation>
    </message>
    <message id="ctl_unknown_command">
        <source>ctl_unknown_command</source>
        <extracomment>Error; %1 what was typed, %2 the commands</extracomment>
        <translation>「%1」不是命令；可用的命令：%2</translation>
    </message>
    <message id="ctl_command_needed">
        <source>ctl_command_needed</source>
        <extracomment>Error; %1 the commands</extracomment>
        <translation>需要一個命令：%1</translation>
    </message>
    <message id="ctl_not_one_servo_to_read" numerus="yes">
        <source>ctl_not_one_servo_to_read</source>
        <extracomment>Error; %n bus servos answering</extracomment>
        <translation>
            <numerusform>%n 個匯流排伺服機應答；讀取時匯流排上必須只有一個伺服機</numerusform>
        </translation>
    </message>
    <message id="ctl_too_many_frames">
        <source>ctl_too_many_frames</source>
        <extracomment>Error</extracomment>
        <translation>%1 有 %2 幀；一個動作組最多 %3 幀</translation>
    </message>
    <message id="ctl_not_asked">
        <source>ctl_not_asked</source>
        <extracomment>Error; %1 the question</extracomment>
        <translation>%1 未詢問：標準輸入不是終端機；請加 --yes。</translation>
    </message>
    <message id="ctl_yes_no">
        <source>ctl_yes_no</source>
        <extracomment>Prompt after a question; the answers stay y and n</extracomment>
        <translation>[y/N]</translation>
    </message>
    <message id="ctl_erase_all_question">
        <source>ctl_erase_all_question</source>
        <extracomment>Question</extracomment>
        <translation>擦除控制板上的全部動作組？</translation>
    </message>
    <message id="ctl_erase_group_question">
        <source>ctl_erase_group_question</source>
        <extracomment>Question</extracomment>
        <translation>擦除控制板上的動作組 %1？</translation>
    </message>
    <message id="ctl_nothing_erased">
        <source>ctl_nothing_erased</source>
        <extracomment>Result</extracomment>
        <translation>未擦除任何內容</translation>
    </message>
    <message id="ctl_erased_all">
        <source>ctl_erased_all</source>
        <extracomment>Result</extracomment>
        <translation>全部動作組已擦除</translation>
    </message>
    <message id="ctl_erased_group">
        <source>ctl_erased_group</source>
        <extracomment>Result</extracomment>
        <translation>動作組 %1 已擦除</translation>
    </message>
    <message id="ctl_nothing_to_write">
        <source>ctl_nothing_to_write</source>
        <extracomment>Error</extracomment>
        <translation>請至少給出一個要寫入的參數</translation>
    </message>
    <message id="ctl_not_one_servo" numerus="yes">
        <source>ctl_not_one_servo</source>
        <extracomment>Error; %n bus servos answering</extracomment>
        <translation>
            <numerusform>%n 個匯流排伺服機應答；寫入時匯流排上必須只有一個伺服機</numerusform>
        </translation>
    </message>
    <message id="ctl_usb_boards">
        <source>ctl_usb_boards</source>
        <extracomment>List heading</extracomment>
        <translation>USB 控制板：</translation>
    </message>
    <message id="ctl_serial_ports">
        <source>ctl_serial_ports</source>
        <extracomment>List heading</extracomment>
        <translation>序列埠：</translation>
    </message>
    <message id="ctl_virtual_board">
        <source>ctl_virtual_board</source>
        <extracomment>List entry</extracomment>
        <translation>虛擬控制板</translation>
    </message>
    <message id="ctl_none">
        <source>ctl_none</source>
        <extracomment>List entry</extracomment>
        <translation>無</translation>
    </message>
    <message id="ctl_no_permission_entry">
        <source>ctl_no_permission_entry</source>
        <extracomment>List entry; %1 the udev hint</extracomment>
        <translation>沒有權限：%1</translation>
    </message>
    <message id="ctl_bad_file_name">
        <source>ctl_bad_file_name</source>
        <extracomment>Error</extracomment>
        <translation>%1：檔名必須以動作組號 0 到 230 和「号」開頭，例如 3号wave.rob</translation>
    </message>
    <message id="ctl_batch_refused" numerus="yes">
        <source>ctl_batch_refused</source>
        <extracomment>Error after the refused files of a batch are listed; %n their count</extracomment>
        <translation>
            <numerusform>%n 個檔案被拒絕：未傳送任何檔案；--skip-refused 可傳送其餘檔案</numerusform>
        </translation>
    </message>
    <message id="ctl_batch_all_refused" numerus="yes">
        <source>ctl_batch_all_refused</source>
        <extracomment>Error when every file of a batch is refused; %n their count</extracomment>
        <translation>
            <numerusform>%n 個檔案被拒絕：沒有可傳送的檔案</numerusform>
        </translation>
    </message>
    <message id="ctl_batch_sent_rest" numerus="yes">
        <source>ctl_batch_sent_rest</source>
        <extracomment>Result after a batch with --skip-refused; %n files left out</extracomment>
        <translation>
            <numerusform>%n 個檔案被拒絕，未傳送；其餘檔案已存入</numerusform>
        </translation>
    </message>
    <message id="ctl_frame_outside_profile">
        <source>ctl_frame_outside_profile</source>
        <extracomment>vornctl: a download refused by --profile; %1 the file, %2 the frame (from 1), %3 the channel ("channel 3 (Wrist)"), %4 its position, %5 to %6 its safe range, %7 the profile</extracomment>
        <translation>%1，第 %2 幀：%3 位於 %4，超出其在機械臂設定檔「%7」中的安全範圍 %5 到 %6；未傳送任何內容</translation>
    </message>
    <message id="ctl_frame_strikes">
        <source>ctl_frame_strikes</source>
        <extracomment>vornctl: a download refused by --profile; %1 the file, %2 the frame (from 1), %3 strike_ground, strike_column or strike_both, %4 the profile</extracomment>
        <translation>%1，第 %2 幀在機械臂設定檔「%4」中會撞到%3；未傳送任何內容</translation>
    </message>
    <message id="ctl_move_outside_profile">
        <source>ctl_move_outside_profile</source>
        <extracomment>vornctl: a move refused by --profile; %1 the channel ("channel 3 (Wrist)"), %2 to %3 its safe range, %4 the profile, %5 the position asked for</extracomment>
        <translation>在機械臂設定檔「%4」中，%1 只能在 %2 到 %3 之間，不能到 %5；未傳送任何內容</translation>
    </message>
    <message id="ctl_move_strikes">
        <source>ctl_move_strikes</source>
        <extracomment>vornctl: a move refused by --profile; %1 the channel (&quot;channel 5 (Shoulder)&quot;), %2 the position asked for, %3 strike_ground, strike_column or strike_both, %4 the profile</extracomment>
        <translation>在機械臂設定檔「%4」中，%1 位於 %2 時會撞到%3；未傳送任何內容</translation>
    </message>
    <message id="ctl_channel_named">
        <source>ctl_channel_named</source>
        <extracomment>vornctl: a channel in a refusal; %1 its number, %2 its name in the arm profile</extracomment>
        <translation>通道 %1（%2）</translation>
    </message>
    <message id="ctl_channel">
        <source>ctl_channel</source>
        <extracomment>vornctl: a channel in a refusal; %1 its number</extracomment>
        <translation>通道 %1</translation>
    </message>
    <message id="ctl_unknown_profile">
        <source>ctl_unknown_profile</source>
        <extracomment>vornctl: --profile names no profile; %1 the name given, %2 the profiles there are, each in quotes</extracomment>
        <translation>沒有名為「%1」的機械臂設定檔；現有設定檔：%2</translation>
    </message>
    <message id="ctl_help_profile">
        <source>ctl_help_profile</source>
        <extracomment>Command-line help of --profile NAME on move, download and download-many</extracomment>
        <translation>拒絕超出此機械臂設定檔安全範圍的位置，以及會撞到的姿態</translation>
    </message>
    <message id="arm_profile_not_one_object">
        <source>arm_profile_not_one_object</source>
        <extracomment>Arm profile JSON check: the whole text must be one JSON object</extracomment>
        <translation>機械臂設定檔必須是一個 JSON 物件</translation>
    </message>
    <message id="arm_profile_not_json">
        <source>arm_profile_not_json</source>
        <extracomment>Arm profile JSON check: %1 the parser's message, %2 line, %3 column, %4 byte offset</extracomment>
        <translation>不是 JSON：%1，位於第 %2 行第 %3 列（偏移 %4）</translation>
    </message>
    <message id="arm_profile_lowest_above_highest">
        <source>arm_profile_lowest_above_highest</source>
        <extracomment>Arm profile JSON check: a channel's safe range is upside down; %1 lowest, %2 highest position</extracomment>
        <translation>最低位置 %1 高於最高位置 %2</translation>
    </message>
    <message id="arm_profile_channel_missing">
        <source>arm_profile_channel_missing</source>
        <extracomment>Arm profile JSON check: %1 a channel number 1 to 6</extracomment>
        <translation>缺少通道 %1</translation>
    </message>
    <message id="arm_profile_channel_twice">
        <source>arm_profile_channel_twice</source>
        <extracomment>Arm profile JSON check: %1 a channel number 1 to 6</extracomment>
        <translation>通道 %1 重複出現</translation>
    </message>
    <message id="arm_profile_not_list">
        <source>arm_profile_not_list</source>
        <extracomment>Arm profile JSON check: the value must be a JSON array [ ]</extracomment>
        <translation>必須是清單</translation>
    </message>
    <message id="arm_profile_empty_name">
        <source>arm_profile_empty_name</source>
        <extracomment>Arm profile JSON check: the profile's name is empty</extracomment>
        <translation>不能為空</translation>
    </message>
    <message id="arm_profile_link">
        <source>arm_profile_link</source>
        <extracomment>Arm profile JSON check: a link length in millimetres; %1 the largest allowed, %2 the given value</extracomment>
        <translation>必須大於 0 且不超過 %1 毫米，而不是 %2</translation>
    </message>
    <message id="arm_profile_not_whole">
        <source>arm_profile_not_whole</source>
        <extracomment>Arm profile JSON check: %1 to %2 the allowed range</extracomment>
        <translation>必須是 %1 到 %2 之間的整數</translation>
    </message>
    <message id="arm_profile_beyond">
        <source>arm_profile_beyond</source>
        <extracomment>Arm profile JSON check: %1 the given value, %2 to %3 the allowed range</extracomment>
        <translation>%1 超出 %2 到 %3 的範圍</translation>
    </message>
    <message id="arm_profile_not_number">
        <source>arm_profile_not_number</source>
        <extracomment>Arm profile JSON check: the value must be a number</extracomment>
        <translation>必須是數字</translation>
    </message>
    <message id="arm_profile_not_bool">
        <source>arm_profile_not_bool</source>
        <extracomment>Arm profile JSON check: the value must be true or false</extracomment>
        <translation>必須是 true 或 false</translation>
    </message>
    <message id="arm_profile_not_text">
        <source>arm_profile_not_text</source>
        <extracomment>Arm profile JSON check: the value must be a JSON string</extracomment>
        <translation>必須是文字</translation>
    </message>
    <message id="arm_profile_not_object">
        <source>arm_profile_not_object</source>
        <extracomment>Arm profile JSON check: the value must be a JSON object { }</extracomment>
        <translation>必須是物件</translation>
    </message>
    <message id="arm_profile_missing">
        <source>arm_profile_missing</source>
        <extracomment>Arm profile JSON check: a required field is absent</extracomment>
        <translation>缺少此項</translation>
    </message>
    <message id="arm_profile_fault_at">
        <source>arm_profile_fault_at</source>
        <extracomment>Arm profile JSON check: where the fault is (a JSON path such as joints.elbow.channel), then the fault</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message id="ctl_run_started">
        <source>ctl_run_started</source>
        <extracomment>Result</extracomment>
        <translation>動作組 %1 已開始執行</translation>
    </message>
    <message id="ctl_stopped">
        <source>ctl_stopped</source>
        <extracomment>Result</extracomment>
        <translation>已停止</translation>
    </message>
    <message id="ctl_moved">
        <source>ctl_moved</source>
        <extracomment>Result</extracomment>
        <translation>伺服機 %1 在 %3 毫秒內轉到 %2</translation>
    </message>
    <message id="ctl_reset_done">
        <source>ctl_reset_done</source>
        <extracomment>Result</extracomment>
        <translation>伺服機 1 到 40 轉到 500</translation>
    </message>
    <message id="ctl_unloaded">
        <source>ctl_unloaded</source>
        <extracomment>Result; %1 servo ids</extracomment>
        <translation>已斷電：%1</translation>
    </message>
    <message id="ctl_trims_stored">
        <source>ctl_trims_stored</source>
        <extracomment>Result; %1 servo ids</extracomment>
        <translation>已儲存偏差：%1</translation>
    </message>
    <message id="ctl_trim_set">
        <source>ctl_trim_set</source>
        <extracomment>Result</extracomment>
        <translation>伺服機 %1 偏差 %2</translation>
    </message>
    <message id="ctl_servo_count">
        <source>ctl_servo_count</source>
        <extracomment>Result</extracomment>
        <translation>應答的匯流排伺服機：%1</translation>
    </message>
    <message id="ctl_motor_speed">
        <source>ctl_motor_speed</source>
        <extracomment>Result</extracomment>
        <translation>伺服機 %1 馬達速度 %2</translation>
    </message>
    <message id="ctl_in_servo_mode">
        <source>ctl_in_servo_mode</source>
        <extracomment>Result</extracomment>
        <translation>伺服機 %1 處於伺服機模式</translation>
    </message>
    <message id="ctl_in_motor_mode">
        <source>ctl_in_motor_mode</source>
        <extracomment>Result</extracomment>
        <translation>伺服機 %1 處於馬達模式</translation>
    </message>
    <message id="ctl_param_range">
        <source>ctl_param_range</source>
        <extracomment>Error</extracomment>
        <translation>--%1 必須在 %2 到 %3 之間</translation>
    </message>
    <message id="ctl_angle_limits_cross">
        <source>ctl_angle_limits_cross</source>
        <extracomment>Error</extracomment>
        <translation>角度下限（%1）必須小於上限（%2）</translation>
    </message>
    <message id="ctl_voltage_limits_cross">
        <source>ctl_voltage_limits_cross</source>
        <extracomment>Error</extracomment>
        <translation>最低電壓必須比最高電壓至少低 0.1 V</translation>
    </message>
    <message id="ctl_say_format">
        <source>ctl_say_format</source>
        <extracomment>Error</extracomment>
        <translation>%1：請指定 --format json 或 --format csv</translation>
    </message>
    <message id="ctl_frame_count">
        <source>ctl_frame_count</source>
        <extracomment>Result</extracomment>
        <translation>幀數：%1</translation>
    </message>
    <message id="ctl_cannot_write">
        <source>ctl_cannot_write</source>
        <extracomment>Error</extracomment>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message id="ctl_cannot_read">
        <source>ctl_cannot_read</source>
        <extracomment>Error</extracomment>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message id="ctl_import_failed">
        <source>ctl_import_failed</source>
        <extracomment>Error; %1 file:line, field</extracomment>
        <translation>%1：%2；未寫入任何內容</translation>
    </message>
    <message id="ctl_frames_written" numerus="yes">
        <source>ctl_frames_written</source>
        <extracomment>Result; %n frames, %1 the file written</extracomment>
        <translation>
            <numerusform>已寫入 %n 幀到 %1</numerusform>
        </translation>
    </message>
    <message id="ctl_damaged">
        <source>ctl_damaged</source>
        <extracomment>Error</extracomment>
        <translation>%1 已損壞：開頭不是動作檔案的 16 位元組檔頭</translation>
    </message>
    <message id="ctl_spare_bytes" numerus="yes">
        <source>ctl_spare_bytes</source>
        <extracomment>Warning; %1 a file, %n bytes</extracomment>
        <translation>
            <numerusform>%1：最後一個完整幀之後的 %n 位元組已忽略</numerusform>
        </translation>
    </message>
    <message id="action_text_not_whole">
        <source>action_text_not_whole</source>
        <extracomment>Import error; %1 the value</extracomment>
        <translation>%1 不是大於等於 0 的整數</translation>
    </message>
    <message id="action_text_over_16_bits">
        <source>action_text_over_16_bits</source>
        <extracomment>Import error</extracomment>
        <translation>%1 超過 65535</translation>
    </message>
    <message id="action_text_absent_marker">
        <source>action_text_absent_marker</source>
        <extracomment>Import error</extracomment>
        <translation>21845 表示通道缺省；請寫成缺省</translation>
    </message>
    <message id="action_text_this_value">
        <source>action_text_this_value</source>
        <extracomment>Import error, stands for a value that cannot be shown</extracomment>
        <translation>此值</translation>
    </message>
    <message id="action_text_no_frames">
        <source>action_text_no_frames</source>
        <extracomment>Import error</extracomment>
        <translation>應為帶有 &quot;frames&quot; 陣列的物件</translation>
    </message>
    <message id="action_text_too_many_frames">
        <source>action_text_too_many_frames</source>
        <extracomment>Import error</extracomment>
        <translation>一個動作檔案最多 65535 幀</translation>
    </message>
    <message id="action_text_frame_not_object">
        <source>action_text_frame_not_object</source>
        <extracomment>Import error</extracomment>
        <translation>每一幀必須是一個物件</translation>
    </message>
    <message id="action_text_unknown_field">
        <source>action_text_unknown_field</source>
        <extracomment>Import error</extracomment>
        <translation>未知欄位</translation>
    </message>
    <message id="action_text_missing">
        <source>action_text_missing</source>
        <extracomment>Import error</extracomment>
        <translation>缺少</translation>
    </message>
    <message id="action_text_first_line">
        <source>action_text_first_line</source>
        <extracomment>Import error</extracomment>
        <translation>第一行必須是 &quot;%1&quot;</translation>
    </message>
    <message id="action_text_field_count">
        <source>action_text_field_count</source>
        <extracomment>Import error</extracomment>
        <translation>有 %1 個欄位，應為 7 個</translation>
    </message>
    <message id="read_no_channel">
        <source>read_no_channel</source>
        <extracomment>Message of a tip dialog: reading positions with every channel hidden</extracomment>
        <translation>請至少顯示一個通道，才能回讀伺服機位置。</translation>
    </message>
    <message id="pose_no_channel">
        <source>pose_no_channel</source>
        <extracomment>Message of a tip dialog: adding or updating a frame with every channel hidden</extracomment>
        <translation>請至少顯示一個通道，才能把姿態記為一幀。</translation>
    </message>
    <message id="tip_add_action">
        <source>tip_add_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>把滑桿上的姿態作為新幀加到末尾</translation>
    </message>
    <message id="tip_delete_action">
        <source>tip_delete_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>刪除選中的幀</translation>
    </message>
    <message id="tip_update_action">
        <source>tip_update_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>用滑桿上的姿態取代選中的幀</translation>
    </message>
    <message id="tip_insert_action">
        <source>tip_insert_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>把滑桿上的姿態插到選中的幀之前</translation>
    </message>
    <message id="tip_open_action">
        <source>tip_open_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>開啟動作檔案，取代幀列表</translation>
    </message>
    <message id="tip_save_action">
        <source>tip_save_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>把幀列表儲存到檔案</translation>
    </message>
    <message id="tip_integrate_action">
        <source>tip_integrate_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>把動作檔案的幀加到列表末尾</translation>
    </message>
    <message id="tip_read_deviation">
        <source>tip_read_deviation</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>把伺服機儲存的偏差讀到偏差滑桿上</translation>
    </message>
    <message id="tip_download_deviation">
        <source>tip_download_deviation</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>把偏差滑桿上的偏差儲存到伺服機</translation>
    </message>
    <message id="tip_reset_deviation">
        <source>tip_reset_deviation</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>把所有偏差滑桿歸零（不傳送）</translation>
    </message>
    <message id="tip_motor_off">
        <source>tip_motor_off</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>讓伺服機斷電，以便用手擺姿態</translation>
    </message>
    <message id="tip_read_angle">
        <source>tip_read_angle</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>回讀伺服機位置，作為新幀</translation>
    </message>
    <message id="tip_reset_servo">
        <source>tip_reset_servo</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>把所有伺服機轉到中位（500）</translation>
    </message>
    <message id="tip_run_online">
        <source>tip_run_online</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>在機械臂上播放幀列表；再按一次或按停止結束</translation>
    </message>
    <message id="tip_download">
        <source>tip_download</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>把幀列表下載到控制板，存為所選動作組</translation>
    </message>
    <message id="tip_run_action">
        <source>tip_run_action</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>執行控制板中所選的動作組</translation>
    </message>
    <message id="tip_stop">
        <source>tip_stop</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>停止正在進行的一切：線上執行、錄製和控制板的動作組</translation>
    </message>
    <message id="tip_single_erase">
        <source>tip_single_erase</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>從控制板擦除所選動作組</translation>
    </message>
    <message id="tip_all_erase">
        <source>tip_all_erase</source>
        <extracomment>Tooltip of an editor button</extracomment>
        <translation>擦除控制板上的所有動作組</translation>
    </message>
    <message id="tip_baud_rate">
        <source>tip_baud_rate</source>
        <extracomment>Tooltip of an editor control</extracomment>
        <translation>序列埠的鮑率；機械臂的接收端必須相同</translation>
    </message>
    <message id="tip_serial_connect">
        <source>tip_serial_connect</source>
        <extracomment>Tooltip of an editor control</extracomment>
        <translation>開啟或關閉序列埠；開啟時，動作經序列埠傳送</translation>
    </message>
    <message id="tip_channel_box">
        <source>tip_channel_box</source>
        <extracomment>Tooltip of an editor control</extracomment>
        <translation>顯示或隱藏這個通道；隱藏的通道不參與新幀</translation>
    </message>
    <message id="tip_select_all">
        <source>tip_select_all</source>
        <extracomment>Tooltip of an editor control</extracomment>
        <translation>一次顯示或隱藏所有通道</translation>
    </message>
    <message id="tip_loop">
        <source>tip_loop</source>
        <extracomment>Tooltip of an editor control</extracomment>
        <translation>反覆播放列表，直到停止</translation>
    </message>
    <message id="group_running">
        <source>group_running</source>
        <extracomment>Status line: a group started on the board; %1 is its number</extracomment>
        <translation>動作組 %1 執行中 — 按停止或 Esc 結束</translation>
    </message>
    <message id="group_stopped">
        <source>group_stopped</source>
        <extracomment>Status line: the running group was stopped</extracomment>
        <translation>動作組 %1 已停止</translation>
    </message>
    <message id="group_over">
        <source>group_over</source>
        <extracomment>Status line: a group's known length has passed</extracomment>
        <translation>動作組 %1 已執行完畢</translation>
    </message>
    <message id="group_stored" numerus="yes">
        <source>group_stored</source>
        <extracomment>Status line: a download ended well; %1 the group, %n its frames</extracomment>
        <translation>
            <numerusform>動作組 %1 已儲存：%n 幀</numerusform>
        </translation>
    </message>
    <message id="group_erased">
        <source>group_erased</source>
        <extracomment>Status line: the board erased a group; %1 its number</extracomment>
        <translation>動作組 %1 已清除</translation>
    </message>
    <message id="groups_erased">
        <source>groups_erased</source>
        <extracomment>Status line: the board erased every group</extracomment>
        <translation>所有動作組已清除</translation>
    </message>
    <message id="trims_stored">
        <source>trims_stored</source>
        <extracomment>Status line: the board confirmed the trims were stored</extracomment>
        <translation>偏差已儲存到伺服機</translation>
    </message>
    <message id="trims_reset">
        <source>trims_reset</source>
        <extracomment>Status line: the board confirmed storing the trims set to 0</extracomment>
        <translation>偏差已歸零並儲存到伺服機</translation>
    </message>
    <message id="trims_read" numerus="yes">
        <source>trims_read</source>
        <extracomment>Status line: trims read back; %n servos answered</extracomment>
        <translation>
            <numerusform>已讀取 %n 個伺服機的偏差</numerusform>
        </translation>
    </message>
    <message id="positions_read" numerus="yes">
        <source>positions_read</source>
        <extracomment>Status line: positions read back as a new frame; %1 its number, %n servos answered</extracomment>
        <translation>
            <numerusform>已從 %n 個伺服機讀取第 %1 幀</numerusform>
        </translation>
    </message>
    <message id="trims_not_stored">
        <source>trims_not_stored</source>
        <extracomment>Status line: the board did not confirm storing the trims</extracomment>
        <translation>偏差沒有儲存：控制板沒有應答</translation>
    </message>
    <message id="serial_port_tips">
        <source>serial_port_tips</source>
        <extracomment>Tooltip of the serial port box</extracomment>
        <translation>選擇串口，或輸入串口路徑後按 Enter。</translation>
    </message>
    <message id="is_file_velmar_ask">
        <source>is_file_velmar_ask</source>
        <extracomment>Question; %1 is a file name. Cancel is the default answer</extracomment>
        <translation>「%1」的最後一幀看起來像是其他機械臂的檔案。仍要開啟嗎？</translation>
    </message>
    <message id="file_too_many_frames">
        <source>file_too_many_frames</source>
        <extracomment>Tip; %1 is a file name</extracomment>
        <translation>「%1」包含超過 65,535 個動作，只讀取了前 65,535 個。</translation>
    </message>
    <message id="save_too_many_frames">
        <source>save_too_many_frames</source>
        <extracomment>Tip; %1 is the largest number of frames a file holds</extracomment>
        <translation>動作檔案最多容納 %1 個動作。請先刪除部分動作再儲存。</translation>
    </message>
    <message id="save_frame_damaged">
        <source>save_frame_damaged</source>
        <extracomment>Tip; %1 is a frame number</extracomment>
        <translation>第 %1 個動作已損壞，無法儲存。請更新或刪除它後再儲存。未寫入任何內容。</translation>
    </message>
    <message id="file_error_not_found">
        <source>file_error_not_found</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>檔案不存在</translation>
    </message>
    <message id="file_error_no_permission">
        <source>file_error_no_permission</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>沒有權限</translation>
    </message>
    <message id="file_error_not_a_file">
        <source>file_error_not_a_file</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>不是一般檔案</translation>
    </message>
    <message id="file_error_too_large">
        <source>file_error_too_large</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>檔案過大</translation>
    </message>
    <message id="file_error_read_failed">
        <source>file_error_read_failed</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>讀取出錯</translation>
    </message>
    <message id="file_error_disk_full">
        <source>file_error_disk_full</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>磁碟已滿</translation>
    </message>
    <message id="file_error_read_only">
        <source>file_error_read_only</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>唯讀檔案系統</translation>
    </message>
    <message id="file_error_write_failed">
        <source>file_error_write_failed</source>
        <extracomment>Why a file could not be read or written, after a colon</extracomment>
        <translation>寫入出錯</translation>
    </message>
    <message id="open_file_fail">
        <source>open_file_fail</source>
        <extracomment>Tip; %1 is a file name, %2 why it could not be read</extracomment>
        <translation>無法開啟「%1」：%2</translation>
    </message>
    <message id="save_file_fail">
        <source>save_file_fail</source>
        <extracomment>Tip; %1 is a file name, %2 the system&#x27;s reason</extracomment>
        <translation>無法儲存「%1」：%2</translation>
    </message>
    <message id="file_saved">
        <source>file_saved</source>
        <extracomment>Status line: the list was saved; %1 the file&#x27;s name</extracomment>
        <translation>已儲存「%1」</translation>
    </message>
    <message id="window_title">
        <source>window_title</source>
        <extracomment>Window title; %1 is the version</extracomment>
        <translation>Vorn（V%1）</translation>
    </message>
    <message id="window_minimise">
        <source>window_minimise</source>
        <extracomment>Window button name</extracomment>
        <translation>最小化</translation>
    </message>
    <message id="window_zoom">
        <source>window_zoom</source>
        <extracomment>Window button name</extracomment>
        <translation>最大化</translation>
    </message>
    <message id="window_restore">
        <source>window_restore</source>
        <extracomment>Window button name while zoomed</extracomment>
        <translation>還原</translation>
    </message>
    <message id="window_close">
        <source>window_close</source>
        <extracomment>Window button name</extracomment>
        <translation>關閉</translation>
    </message>
    <message id="window_minimise_tips">
        <source>window_minimise_tips</source>
        <extracomment>Description of the window button</extracomment>
        <translation>將視窗收到工作列。</translation>
    </message>
    <message id="window_zoom_tips">
        <source>window_zoom_tips</source>
        <extracomment>Description of the window button</extracomment>
        <translation>讓視窗鋪滿螢幕，或恢復原來的大小。按兩下頂欄效果相同。</translation>
    </message>
    <message id="window_close_tips">
        <source>window_close_tips</source>
        <extracomment>Description of the window button</extracomment>
        <translation>關閉 Vorn（Ctrl+Q）。</translation>
    </message>
    <message id="window_fixed_tips">
        <source>window_fixed_tips</source>
        <extracomment>Tool tip of the disabled zoom button</extracomment>
        <translation>在此螢幕上視窗大小固定。</translation>
    </message>
    <message id="link_usb_none">
        <source>link_usb_none</source>
        <extracomment>Badge: USB chosen, no board plugged in</extracomment>
        <translation>USB – 未連接控制板</translation>
    </message>
    <message id="link_usb_board">
        <source>link_usb_board</source>
        <extracomment>Badge: USB chosen, board open; %1 is its name</extracomment>
        <translation>USB – %1</translation>
    </message>
    <message id="link_usb_denied">
        <source>link_usb_denied</source>
        <extracomment>Badge: USB chosen, board present but not allowed to open</extracomment>
        <translation>USB – 無存取權限</translation>
    </message>
    <message id="virtual_connected">
        <source>virtual_connected</source>
        <extracomment>Desktop notification title</extracomment>
        <translation>已連接虛擬控制板</translation>
    </message>
    <message id="virtual_connected_text">
        <source>virtual_connected_text</source>
        <extracomment>Desktop notification text</extracomment>
        <translation>Vorn 現在與虛擬控制板通訊，不經 USB 傳送任何資料。</translation>
    </message>
    <message id="virtual_disconnected">
        <source>virtual_disconnected</source>
        <extracomment>Desktop notification title</extracomment>
        <translation>已斷開虛擬控制板</translation>
    </message>
    <message id="virtual_disconnected_text">
        <source>virtual_disconnected_text</source>
        <extracomment>Desktop notification text</extracomment>
        <translation>Vorn 已不再與虛擬控制板通訊。</translation>
    </message>
    <message id="language_name">
        <source>language_name</source>
        <extracomment>Accessible name of the language selector</extracomment>
        <translation>語言</translation>
    </message>
    <message id="language_tips">
        <source>language_tips</source>
        <extracomment>Tool tip of the language selector</extracomment>
        <translation>選擇介面語言。</translation>
    </message>
    <message id="tabs_name">
        <source>tabs_name</source>
        <extracomment>Accessible name of the tab titles in the top bar</extracomment>
        <translation>介面</translation>
    </message>
    <message id="tabs_tips">
        <source>tabs_tips</source>
        <extracomment>Accessible description of the tab titles</extracomment>
        <translation>左右方向鍵、Ctrl+Tab、Ctrl+1 和 Ctrl+2 可在動作編輯與匯流排伺服機工具之間切換。</translation>
    </message>
    <message id="slider_position_tips">
        <source>slider_position_tips</source>
        <extracomment>Accessible description of a channel position slider</extracomment>
        <translation>立即轉動伺服機，範圍 0 到 1000。</translation>
    </message>
    <message id="slider_trim_tips">
        <source>slider_trim_tips</source>
        <extracomment>Accessible description of a channel trim slider</extracomment>
        <translation>調整伺服機偏差，範圍 -100 到 100。</translation>
    </message>
    <message id="channel_field_tips">
        <source>channel_field_tips</source>
        <extracomment>Accessible description and tooltip of a channel's value fields</extracomment>
        <translation>輸入數值後按 Enter 傳送；按 Esc 還原原值。上下方向鍵移動 1，Page Up 和 Page Down 移動 10。</translation>
    </message>
    <message id="tag_left_end_tips">
        <source>tag_left_end_tips</source>
        <extracomment>Tooltip of the direction label on the left of a channel card's pair: what the slider's left end does</extracomment>
        <translation>滑桿的左端使關節轉向這一邊</translation>
    </message>
    <message id="tag_right_end_tips">
        <source>tag_right_end_tips</source>
        <extracomment>Tooltip of the direction label on the right of a channel card's pair: what the slider's right end does</extracomment>
        <translation>滑桿的右端使關節轉向這一邊</translation>
    </message>
    <message id="tag_release_meaning">
        <source>tag_release_meaning</source>
        <extracomment>What the gripper's release tag stands for, in the legend</extracomment>
        <translation>鬆開</translation>
    </message>
    <message id="tag_close_meaning">
        <source>tag_close_meaning</source>
        <extracomment>What the gripper's close tag stands for, in the legend</extracomment>
        <translation>閉合</translation>
    </message>
    <message id="tag_left_meaning">
        <source>tag_left_meaning</source>
        <extracomment>What the left tag stands for, in the legend</extracomment>
        <translation>向左</translation>
    </message>
    <message id="tag_right_meaning">
        <source>tag_right_meaning</source>
        <extracomment>What the right tag stands for, in the legend</extracomment>
        <translation>向右</translation>
    </message>
    <message id="tag_forward_meaning">
        <source>tag_forward_meaning</source>
        <extracomment>What the forward tag stands for, in the legend</extracomment>
        <translation>向前</translation>
    </message>
    <message id="arm_view">
        <source>arm_view</source>
        <extracomment>Accessible name of the live arm view, which the user can drag to pose the arm</extracomment>
        <translation>即時機械臂</translation>
    </message>
    <message id="arm_view_tips">
        <source>arm_view_tips</source>
        <extracomment>Accessible description of the live arm view</extracomment>
        <translation>拖曳夾爪末端可移動機械臂，拖曳右上角的圓盤可轉動底座。視圖取得焦點時，方向鍵移動末端（按住 Shift 步幅更大），Page Up 和 Page Down 轉動底座。</translation>
    </message>
    <message id="arm_lock_wrist">
        <source>arm_lock_wrist</source>
        <extracomment>Caption and accessible name of a switch in the live arm view: the wrist joint keeps its angle while the tip is dragged</extracomment>
        <translation>鎖定手腕</translation>
    </message>
    <message id="arm_lock_wrist_tips">
        <source>arm_lock_wrist_tips</source>
        <extracomment>Tooltip and accessible description of the Lock wrist switch in the live arm view</extracomment>
        <translation>拖曳夾爪末端時：開啟則手腕關節保持自身角度；關閉則手部保持與地面的夾角。</translation>
    </message>
    <message id="arm_out_of_reach">
        <source>arm_out_of_reach</source>
        <extracomment>Beside the red ring where the user dragged the arm's tip, when the arm cannot reach that point</extracomment>
        <translation>搆不到</translation>
    </message>
    <message id="tag_backward_meaning">
        <source>tag_backward_meaning</source>
        <extracomment>What the backward tag stands for, in the legend</extracomment>
        <translation>向後</translation>
    </message>
    <message id="servo_angle_max_name">
        <source>servo_angle_max_name</source>
        <extracomment>Accessible name of the bus-servo tool's upper angle limit slider</extracomment>
        <translation>角度上限</translation>
    </message>
    <message id="servo_angle_min_name">
        <source>servo_angle_min_name</source>
        <extracomment>Accessible name of the lower angle limit slider</extracomment>
        <translation>角度下限</translation>
    </message>
    <message id="servo_voltage_min_name">
        <source>servo_voltage_min_name</source>
        <extracomment>Accessible name of the lower voltage limit slider</extracomment>
        <translation>電壓下限</translation>
    </message>
    <message id="servo_voltage_max_name">
        <source>servo_voltage_max_name</source>
        <extracomment>Accessible name of the upper voltage limit slider</extracomment>
        <translation>電壓上限</translation>
    </message>
    <message id="servo_alarm_heat_name">
        <source>servo_alarm_heat_name</source>
        <extracomment>Accessible name of the overheat alarm switch</extracomment>
        <translation>過熱時 LED 警示</translation>
    </message>
    <message id="servo_alarm_voltage_name">
        <source>servo_alarm_voltage_name</source>
        <extracomment>Accessible name of the overvoltage alarm switch</extracomment>
        <translation>過壓時 LED 警示</translation>
    </message>
    <message id="servo_alarm_stall_name">
        <source>servo_alarm_stall_name</source>
        <extracomment>Accessible name of the stall alarm switch</extracomment>
        <translation>堵轉時 LED 警示</translation>
    </message>
    <message id="servo_test_time_name">
        <source>servo_test_time_name</source>
        <extracomment>Accessible name of the servo test's time field and slider</extracomment>
        <translation>運動時間(ms)</translation>
    </message>
    <message id="servo_test_position_name">
        <source>servo_test_position_name</source>
        <extracomment>Accessible name of the servo test's position field and slider</extracomment>
        <translation>目標位置</translation>
    </message>
    <message id="servo_test_speed_name">
        <source>servo_test_speed_name</source>
        <extracomment>Accessible name of the motor speed field and slider</extracomment>
        <translation>馬達速度</translation>
    </message>
    <message id="servo_write_tips">
        <source>servo_write_tips</source>
        <extracomment>Accessible description of a servo parameter control</extracomment>
        <translation>按「寫入」後寫入伺服機。</translation>
    </message>
    <message id="servo_field_tips">
        <source>servo_field_tips</source>
        <extracomment>Accessible description of a servo test field</extracomment>
        <translation>按 Enter 鍵傳送給伺服機。</translation>
    </message>
    <message id="servo_time_tips">
        <source>servo_time_tips</source>
        <extracomment>Accessible description of the servo test's time slider</extracomment>
        <translation>下一次轉到目標位置所用的時間。</translation>
    </message>
    <message id="servo_move_tips">
        <source>servo_move_tips</source>
        <extracomment>Accessible description of the servo test's position slider</extracomment>
        <translation>伺服機立即轉動，範圍 0 到 1000。</translation>
    </message>
    <message id="servo_speed_tips">
        <source>servo_speed_tips</source>
        <extracomment>Accessible description of the motor speed slider</extracomment>
        <translation>馬達立即轉動；小於 0 時反向轉動。</translation>
    </message>
    <message id="mass_group_tips">
        <source>mass_group_tips</source>
        <extracomment>Accessible description of the batch download's group box</extracomment>
        <translation>每個所選檔案要下載到的動作組，取自檔名。</translation>
    </message>
    <message id="live_arm">
        <source>live_arm</source>
        <extracomment>Label of the switch between the still picture and the live arm</extracomment>
        <translation>即時機械臂</translation>
    </message>
    <message id="live_arm_tips">
        <source>live_arm_tips</source>
        <extracomment>Tooltip of the live arm switch</extracomment>
        <translation>顯示伺服機目前姿態的機械臂，代替靜態圖片。</translation>
    </message>
    <message id="curves_tips">
        <source>curves_tips</source>
        <extracomment>Tooltip of the curve view under the table</extracomment>
        <translation>各通道位置隨動作時間的變化。點擊一個點選取其動作幀；上下拖曳可修改位置。滾輪、+ 和 − 或右上角的按鈕縮放時間軸；左右拖曳、Shift 加滾輪或方向鍵沿時間移動，可直到歌曲結尾；按兩下或按 0 顯示整個動作。</translation>
    </message>
    <message id="curves_zoom_out">
        <source>curves_zoom_out</source>
        <extracomment>Accessible name of the curves&#x27; zoom-out button</extracomment>
        <translation>縮小</translation>
    </message>
    <message id="curves_zoom_out_tips">
        <source>curves_zoom_out_tips</source>
        <extracomment>Tooltip of the curves&#x27; zoom-out button</extracomment>
        <translation>顯示更長的時間（−）</translation>
    </message>
    <message id="curves_zoom_in">
        <source>curves_zoom_in</source>
        <extracomment>Accessible name of the curves&#x27; zoom-in button</extracomment>
        <translation>放大</translation>
    </message>
    <message id="curves_zoom_in_tips">
        <source>curves_zoom_in_tips</source>
        <extracomment>Tooltip of the curves&#x27; zoom-in button</extracomment>
        <translation>顯示更短的時間和更多細節（+）</translation>
    </message>
    <message id="curves_fit">
        <source>curves_fit</source>
        <extracomment>Accessible name of the button that fits the whole action into the curves</extracomment>
        <translation>適應動作</translation>
    </message>
    <message id="curves_fit_tips">
        <source>curves_fit_tips</source>
        <extracomment>Tooltip of the curves&#x27; fit button</extracomment>
        <translation>顯示整個動作（0）</translation>
    </message>
    <message id="soft_start">
        <source>soft_start</source>
        <extracomment>Label of the soft start switch in the loop panel, about 36 px wide</extracomment>
        <translation>緩啟動</translation>
    </message>
    <message id="soft_start_tips">
        <source>soft_start_tips</source>
        <extracomment>Tooltip of the soft start switch and its time field</extracomment>
        <translation>線上運行的第一幀以及從列播放的幀至少用這麼多毫秒，避免機械臂猛然衝向第一個姿態。</translation>
    </message>
    <message id="record_hand">
        <source>record_hand</source>
        <extracomment>Button title: start recording by hand, about 100 px wide</extracomment>
        <translation>手動錄製</translation>
    </message>
    <message id="record_stop">
        <source>record_stop</source>
        <extracomment>Button title: stop recording by hand, about 100 px wide</extracomment>
        <translation>停止錄製</translation>
    </message>
    <message id="record_hand_tips">
        <source>record_hand_tips</source>
        <extracomment>Tooltip of the record button</extracomment>
        <translation>伺服機卸力後用手擺動機械臂：每個間隔讀取一次姿態並新增為動作幀。</translation>
    </message>
    <message id="record_interval">
        <source>record_interval</source>
        <extracomment>Label of the recording interval field, in milliseconds, about 70 px wide</extracomment>
        <translation>間隔(ms)</translation>
    </message>
    <message id="record_interval_tips">
        <source>record_interval_tips</source>
        <extracomment>Tooltip of the recording interval field</extracomment>
        <translation>錄製時讀取姿態的間隔：100 到 2000 毫秒。</translation>
    </message>
    <message id="recording_busy">
        <source>recording_busy</source>
        <extracomment>Message of a tip dialog: a control was used while recording by hand</extracomment>
        <translation>正在手動錄製，請先停止錄製。</translation>
    </message>
    <message id="curves">
        <source>curves</source>
        <extracomment>Accessible name of the curve view under the table</extracomment>
        <translation>通道曲線</translation>
    </message>
    <message id="music">
        <source>music</source>
        <extracomment>Caption and accessible name of the switch that plays the chosen song with the online run</extracomment>
        <translation>音樂</translation>
    </message>
    <message id="music_tips">
        <source>music_tips</source>
        <extracomment>Tooltip of the music switch</extracomment>
        <translation>線上執行時同時播放歌曲：動作幀隨歌曲節拍進行</translation>
    </message>
    <message id="music_play">
        <source>music_play</source>
        <extracomment>Accessible name of the button that plays or pauses the song alone</extracomment>
        <translation>播放或暫停歌曲</translation>
    </message>
    <message id="music_play_tips">
        <source>music_play_tips</source>
        <extracomment>Tooltip of the song button while the song is not playing</extracomment>
        <translation>只聽歌曲，不動機械臂</translation>
    </message>
    <message id="music_pause_tips">
        <source>music_pause_tips</source>
        <extracomment>Tooltip of the song button while the song plays</extracomment>
        <translation>暫停歌曲</translation>
    </message>
    <message id="music_choose">
        <source>music_choose</source>
        <extracomment>Button that chooses a song file</extracomment>
        <translation>音樂…</translation>
    </message>
    <message id="music_choose_tips">
        <source>music_choose_tips</source>
        <extracomment>Tooltip of the Music… button</extracomment>
        <translation>選擇一首伴舞的歌曲（WAV、MP3、OGG 或 FLAC），會為此檔案記住</translation>
    </message>
    <message id="music_choose_title">
        <source>music_choose_title</source>
        <extracomment>Title of the panel that chooses a song</extracomment>
        <translation>選擇歌曲</translation>
    </message>
    <message id="music_file_filter">
        <source>music_file_filter</source>
        <extracomment>File-type name in the song panel</extracomment>
        <translation>歌曲</translation>
    </message>
    <message id="music_text">
        <source>music_text</source>
        <extracomment>Accessible name of the text that shows the chosen song</extracomment>
        <translation>歌曲</translation>
    </message>
    <message id="music_none">
        <source>music_none</source>
        <extracomment>Song text when no song is chosen</extracomment>
        <translation>未選歌曲</translation>
    </message>
    <message id="music_reading">
        <source>music_reading</source>
        <extracomment>Song text while the song is read; %1 file name, %2 percent</extracomment>
        <translation>%1 · 讀取中 %2 %</translation>
    </message>
    <message id="music_failed_text">
        <source>music_failed_text</source>
        <extracomment>Song text when the song cannot be read; %1 file name</extracomment>
        <translation>%1 · 無法讀取</translation>
    </message>
    <message id="music_snap">
        <source>music_snap</source>
        <extracomment>Button that puts the selected frames on the song's beats</extracomment>
        <translation>對齊節拍</translation>
    </message>
    <message id="music_snap_tips">
        <source>music_snap_tips</source>
        <extracomment>Tooltip of Snap to Beat</extracomment>
        <translation>改變前一幀的時間，使每個選中的幀從歌曲最近的節拍開始</translation>
    </message>
    <message id="music_snap_ask">
        <source>music_snap_ask</source>
        <extracomment>Question before snapping; %1 selected frames, %2 tempo in beats per minute, %3 frame times that change</extracomment>
        <translation>將 %1 個選中的幀對齊到最近的節拍（每分鐘 %2 拍）？將改變 %3 個幀的時間。</translation>
    </message>
    <message id="music_snapped">
        <source>music_snapped</source>
        <extracomment>Status after snapping; %1 frames</extracomment>
        <translation>%1 個幀已對齊節拍</translation>
    </message>
    <message id="music_on_beat">
        <source>music_on_beat</source>
        <extracomment>Status when the selected frames already start on beats</extracomment>
        <translation>已在節拍上</translation>
    </message>
    <message id="music_snap_select">
        <source>music_snap_select</source>
        <extracomment>Tip: Snap to Beat without a selected frame after the first</extracomment>
        <translation>請選擇要對齊節拍的幀（第一幀隨歌曲開始）。</translation>
    </message>
    <message id="music_snap_no_song">
        <source>music_snap_no_song</source>
        <extracomment>Tip: Snap to Beat without a song</extracomment>
        <translation>請先選擇歌曲。</translation>
    </message>
    <message id="music_reading_wait">
        <source>music_reading_wait</source>
        <extracomment>Tip: Snap to Beat while the song is still read</extracomment>
        <translation>歌曲仍在讀取，請稍後再試。</translation>
    </message>
    <message id="music_no_beat">
        <source>music_no_beat</source>
        <extracomment>Tip: no steady beat was found in the song</extracomment>
        <translation>未在此歌曲中找到穩定的節拍。</translation>
    </message>
    <message id="music_missing">
        <source>music_missing</source>
        <extracomment>Tip: the chosen song file does not exist; %1 path</extracomment>
        <translation>找不到歌曲 %1。</translation>
    </message>
    <message id="music_unreadable">
        <source>music_unreadable</source>
        <extracomment>Tip: the song cannot be decoded; %1 file name, %2 reason</extracomment>
        <translation>%1 無法作為歌曲讀取：%2。線上執行將不播放音樂。</translation>
    </message>
    <message id="music_no_sound">
        <source>music_no_sound</source>
        <extracomment>Reason when a file decodes to no sound</extracomment>
        <translation>其中沒有聲音</translation>
    </message>
    <message id="music_not_decoded">
        <source>music_not_decoded</source>
        <extracomment>Reason when the song file cannot be decoded</extracomment>
        <translation>它不是音訊檔案，或其格式在這台電腦上無法讀取</translation>
    </message>
    <message id="music_unavailable">
        <source>music_unavailable</source>
        <extracomment>Reason when the audio libraries are missing</extracomment>
        <translation>此系統無法播放音樂</translation>
    </message>
    <message id="music_no_device">
        <source>music_no_device</source>
        <extracomment>Status, once: no sound device</extracomment>
        <translation>沒有音訊裝置：執行將不播放音樂</translation>
    </message>
    <message id="music_no_device_play">
        <source>music_no_device_play</source>
        <extracomment>Status: the song button was used without a sound device</extracomment>
        <translation>沒有音訊裝置：無法播放歌曲</translation>
    </message>
    <message id="music_not_started">
        <source>music_not_started</source>
        <extracomment>Status: the song did not start in time</extracomment>
        <translation>歌曲未能開始：執行將不播放音樂</translation>
    </message>
    <message id="music_stopped">
        <source>music_stopped</source>
        <extracomment>Status: playback failed</extracomment>
        <translation>歌曲已停止：音訊裝置未能播放</translation>
    </message>
    <message id="music_offered">
        <source>music_offered</source>
        <extracomment>Status when an opened file brings back its song; %1 file name</extracomment>
        <translation>此檔案的歌曲：%1</translation>
    </message>
    <message id="soft_start_time">
        <source>soft_start_time</source>
        <extracomment>Accessible name of the soft start&#x27;s time field, in milliseconds</extracomment>
        <translation>緩啟動時間(毫秒)</translation>
    </message>
    <message id="baud_rate">
        <source>baud_rate</source>
        <extracomment>Accessible name of the editor&apos;s baud rate box</extracomment>
        <translation>鮑率</translation>
    </message>
    <message id="frame_table">
        <source>frame_table</source>
        <extracomment>Accessible name of the editor&apos;s table of frames</extracomment>
        <translation>動作幀</translation>
    </message>
    <message id="file_path">
        <source>file_path</source>
        <extracomment>Accessible name of the label showing the open file&apos;s path</extracomment>
        <translation>檔案路徑</translation>
    </message>
    <message id="unsaved_mark">
        <source>unsaved_mark</source>
        <extracomment>Accessible name of the mark after the file&apos;s path while the list has unsaved changes</extracomment>
        <translation>有未儲存的變更</translation>
    </message>
    <message id="undo_action">
        <source>undo_action</source>
        <extracomment>Context-menu item and key of the frame table</extracomment>
        <translation>復原</translation>
    </message>
    <message id="redo_action">
        <source>redo_action</source>
        <extracomment>Context-menu item and key of the frame table</extracomment>
        <translation>重做</translation>
    </message>
    <message id="untitled">
        <source>untitled</source>
        <extracomment>Name of a frame list not yet saved</extracomment>
        <translation>未命名</translation>
    </message>
    <message id="save_changes_ask">
        <source>save_changes_ask</source>
        <extracomment>Question before unsaved changes would be lost; %1 file name</extracomment>
        <translation>是否儲存對 %1 的修改？</translation>
    </message>
    <message id="open_file_missing">
        <source>open_file_missing</source>
        <extracomment>Tip when a file named on the command line is not there or is not a file; %1 path</extracomment>
        <translation>%1 不存在或不是檔案。</translation>
    </message>
    <message id="save_changes_save">
        <source>save_changes_save</source>
        <extracomment>Button of the save question</extracomment>
        <translation>儲存</translation>
    </message>
    <message id="save_changes_discard">
        <source>save_changes_discard</source>
        <extracomment>Button of the save question</extracomment>
        <translation>不儲存</translation>
    </message>
    <message id="paste_refused">
        <source>paste_refused</source>
        <extracomment>Tip when pasted text holds a value a cell refuses; %1 line, %2 column</extracomment>
        <translation>未貼上任何內容：第 %1 行第 %2 欄不是表格接受的數值。</translation>
    </message>
    <message id="file_filter_actions">
        <source>file_filter_actions</source>
        <extracomment>Filter name in the open and save panels</extracomment>
        <translation>動作檔案</translation>
    </message>
    <message id="file_text_refused">
        <source>file_text_refused</source>
        <extracomment>Tip when a JSON or CSV file cannot be read; %1 file:line, field; %2 why</extracomment>
        <translation>%1：%2；未開啟任何內容。</translation>
    </message>
    <message id="recent_files">
        <source>recent_files</source>
        <extracomment>Tooltip of the recent-files button beside Open</extracomment>
        <translation>最近的檔案</translation>
    </message>
    <message id="recent_files_none">
        <source>recent_files_none</source>
        <extracomment>Menu item when no file was opened yet</extracomment>
        <translation>沒有最近的檔案</translation>
    </message>
    <message id="open_files_missing">
        <source>open_files_missing</source>
        <extracomment>Tip when several files named on the command line or handed over are not there; %1 their paths, one a line</extracomment>
        <translation>以下路徑不存在或不是檔案：
%1</translation>
    </message>
    <message id="open_files_missing_more">
        <source>open_files_missing_more</source>
        <extracomment>After the first paths of open_files_missing; %1 how many more</extracomment>
        <translation>另有 %1 個</translation>
    </message>
    <message id="merge_too_many_frames">
        <source>merge_too_many_frames</source>
        <extracomment>Tip; %1 a file name, %2 the most frames a list may hold</extracomment>
        <translation>未合併「%1」：清單將超過 %2 個動作，超出檔案所能儲存的數量。</translation>
    </message>
    <message id="recent_file_gone">
        <source>recent_file_gone</source>
        <extracomment>Tip when a recent file no longer exists; %1 path</extracomment>
        <translation>%1 已不存在，已從最近的檔案中移除。</translation>
    </message>
    <message id="servo_count_none">
        <source>servo_count_none</source>
        <extracomment>Notice above the parameters</extracomment>
        <translation>沒有伺服機回應檢測</translation>
    </message>
    <message id="servo_count_many">
        <source>servo_count_many</source>
        <extracomment>Notice above the parameters; %1 is the number of servos</extracomment>
        <translation>%1 個伺服機回應：讀取或寫入時只能連接一個</translation>
    </message>
    <message id="live_stopped">
        <source>live_stopped</source>
        <extracomment>Notice above the parameters</extracomment>
        <translation>即時狀態已停止：伺服機不再回應。</translation>
    </message>
    <message id="live_status">
        <source>live_status</source>
        <extracomment>Label beside a switch, short</extracomment>
        <translation>即時</translation>
    </message>
    <message id="live_status_name">
        <source>live_status_name</source>
        <extracomment>Accessible name of a switch</extracomment>
        <translation>即時狀態</translation>
    </message>
    <message id="live_status_tips">
        <source>live_status_tips</source>
        <extracomment>Accessible description of a switch</extracomment>
        <translation>顯示本頁時每半秒讀取一次伺服機。</translation>
    </message>
    <message id="live_state_running">
        <source>live_state_running</source>
        <extracomment>Short state beside the live switch</extracomment>
        <translation>每 0.5 秒</translation>
    </message>
    <message id="live_state_paused">
        <source>live_state_paused</source>
        <extracomment>Short state beside the live switch</extracomment>
        <translation>已暫停</translation>
    </message>
    <message id="live_state_stopped">
        <source>live_state_stopped</source>
        <extracomment>Short state beside the live switch</extracomment>
        <translation>已停止</translation>
    </message>
    <message id="live_chart_span">
        <source>live_chart_span</source>
        <extracomment>Legend of a small chart, short</extracomment>
        <translation>2 分鐘</translation>
    </message>
    <message id="servo_id_change_ask">
        <source>servo_id_change_ask</source>
        <extracomment>Question of a confirmation dialog; %1 old id, %2 new id</extracomment>
        <translation>將伺服機 ID 從 %1 改為 %2？</translation>
    </message>
    <message id="servo_id_change_done">
        <source>servo_id_change_done</source>
        <extracomment>Result line of the bus-servo tool, fades</extracomment>
        <translation>伺服機現在以 ID %1 回應。</translation>
    </message>
    <message id="servo_id_change_silent">
        <source>servo_id_change_silent</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>修改後沒有伺服機以 ID %1 回應。請檢查連線後重新讀取。</translation>
    </message>
    <message id="servo_id_change_other">
        <source>servo_id_change_other</source>
        <extracomment>Message of a tip dialog; %1 the id it answered with, %2 the id written</extracomment>
        <translation>伺服機以 ID %1 回應，而不是 %2。</translation>
    </message>
    <message id="mass_file_list_name">
        <source>mass_file_list_name</source>
        <extracomment>Accessible name of a list</extracomment>
        <translation>已選檔案</translation>
    </message>
    <message id="mass_file_list_tips">
        <source>mass_file_list_tips</source>
        <extracomment>Accessible description of a list</extracomment>
        <translation>每個已選檔案及其動作組，或被拒絕的原因，以及下載結果。</translation>
    </message>
    <message id="mass_file_ready">
        <source>mass_file_ready</source>
        <extracomment>List line; %1 file, %2 group</extracomment>
        <translation>%1：動作組 %2</translation>
    </message>
    <message id="mass_file_no_group">
        <source>mass_file_no_group</source>
        <extracomment>List line</extracomment>
        <translation>%1：已拒絕，檔名沒有動作組編號</translation>
    </message>
    <message id="mass_file_group_over">
        <source>mass_file_group_over</source>
        <extracomment>List line; %2 the highest group</extracomment>
        <translation>%1：已拒絕，動作組編號超過 %2</translation>
    </message>
    <message id="mass_file_damaged">
        <source>mass_file_damaged</source>
        <extracomment>List line</extracomment>
        <translation>%1：已拒絕，檔案已損壞</translation>
    </message>
    <message id="mass_file_too_long">
        <source>mass_file_too_long</source>
        <extracomment>List line; %2 frames, %3 what a group holds</extracomment>
        <translation>%1：已拒絕，共 %2 幀，一個動作組最多 %3 幀</translation>
    </message>
    <message id="mass_file_sending">
        <source>mass_file_sending</source>
        <extracomment>List line; %1 file, %2 group, %3 frame, %4 frames</extracomment>
        <translation>%1：動作組 %2，正在傳送第 %3/%4 幀</translation>
    </message>
    <message id="mass_file_stored">
        <source>mass_file_stored</source>
        <extracomment>List line</extracomment>
        <translation>%1：已存入動作組 %2</translation>
    </message>
    <message id="mass_file_cancelled">
        <source>mass_file_cancelled</source>
        <extracomment>List line</extracomment>
        <translation>%1：已取消</translation>
    </message>
    <message id="arm_profile_title">
        <source>arm_profile_title</source>
        <extracomment>Window title of the arm profile dialog</extracomment>
        <translation>機械臂配置</translation>
    </message>
    <message id="arm_profile_open">
        <source>arm_profile_open</source>
        <extracomment>Button beside the Live arm switch that opens the arm profile dialog</extracomment>
        <translation>機械臂配置…</translation>
    </message>
    <message id="arm_profile_open_tips">
        <source>arm_profile_open_tips</source>
        <extracomment>Tooltip of the arm profile button</extracomment>
        <translation>選擇或編輯機械臂配置：關節、連桿長度和每個通道的安全範圍</translation>
    </message>
    <message id="arm_profile_profile">
        <source>arm_profile_profile</source>
        <extracomment>Label of the profile list</extracomment>
        <translation>配置</translation>
    </message>
    <message id="arm_profile_in_use">
        <source>arm_profile_in_use</source>
        <extracomment>Entry of the profile list; %1 is the name of the profile in use</extracomment>
        <translation>%1（使用中）</translation>
    </message>
    <message id="arm_profile_use">
        <source>arm_profile_use</source>
        <extracomment>Button title: make the shown profile the one the program uses</extracomment>
        <translation>使用此配置</translation>
    </message>
    <message id="arm_profile_copy">
        <source>arm_profile_copy</source>
        <extracomment>Button title</extracomment>
        <translation>複製</translation>
    </message>
    <message id="arm_profile_delete">
        <source>arm_profile_delete</source>
        <extracomment>Button title</extracomment>
        <translation>刪除</translation>
    </message>
    <message id="arm_profile_import">
        <source>arm_profile_import</source>
        <extracomment>Button title</extracomment>
        <translation>匯入…</translation>
    </message>
    <message id="arm_profile_export">
        <source>arm_profile_export</source>
        <extracomment>Button title</extracomment>
        <translation>匯出…</translation>
    </message>
    <message id="arm_profile_name">
        <source>arm_profile_name</source>
        <extracomment>Label of a name field</extracomment>
        <translation>名稱</translation>
    </message>
    <message id="arm_profile_links">
        <source>arm_profile_links</source>
        <extracomment>Group title: the arm's link lengths</extracomment>
        <translation>長度</translation>
    </message>
    <message id="arm_profile_link_column">
        <source>arm_profile_link_column</source>
        <extracomment>Label: base foot to shoulder axis, in mm</extracomment>
        <translation>立柱</translation>
    </message>
    <message id="arm_profile_link_upper_arm">
        <source>arm_profile_link_upper_arm</source>
        <extracomment>Label: shoulder to elbow, in mm</extracomment>
        <translation>大臂</translation>
    </message>
    <message id="arm_profile_link_forearm">
        <source>arm_profile_link_forearm</source>
        <extracomment>Label: elbow to wrist, in mm</extracomment>
        <translation>小臂</translation>
    </message>
    <message id="arm_profile_link_hand">
        <source>arm_profile_link_hand</source>
        <extracomment>Label: wrist to the gripper's tip, in mm</extracomment>
        <translation>手部</translation>
    </message>
    <message id="arm_profile_column_radius">
        <source>arm_profile_column_radius</source>
        <extracomment>Label: half the width of the base's column, in mm</extracomment>
        <translation>立柱半徑</translation>
    </message>
    <message id="arm_profile_joints">
        <source>arm_profile_joints</source>
        <extracomment>Group title: which channel drives each joint, and its angles</extracomment>
        <translation>關節（角度單位：度）</translation>
    </message>
    <message id="arm_profile_joint_base">
        <source>arm_profile_joint_base</source>
        <extracomment>Joint of the arm: the turning base</extracomment>
        <translation>底座</translation>
    </message>
    <message id="arm_profile_joint_shoulder">
        <source>arm_profile_joint_shoulder</source>
        <extracomment>Joint of the arm</extracomment>
        <translation>肩部</translation>
    </message>
    <message id="arm_profile_joint_elbow">
        <source>arm_profile_joint_elbow</source>
        <extracomment>Joint of the arm</extracomment>
        <translation>肘部</translation>
    </message>
    <message id="arm_profile_joint_wrist">
        <source>arm_profile_joint_wrist</source>
        <extracomment>Joint of the arm</extracomment>
        <translation>腕部</translation>
    </message>
    <message id="arm_profile_joint_wrist_roll">
        <source>arm_profile_joint_wrist_roll</source>
        <extracomment>Joint of the arm: the wrist's turn about its own axis</extracomment>
        <translation>腕部旋轉</translation>
    </message>
    <message id="arm_profile_joint_gripper">
        <source>arm_profile_joint_gripper</source>
        <extracomment>Joint of the arm</extracomment>
        <translation>夾爪</translation>
    </message>
    <message id="arm_profile_joint_channel">
        <source>arm_profile_joint_channel</source>
        <extracomment>Column header: the channel driving a joint</extracomment>
        <translation>通道</translation>
    </message>
    <message id="arm_profile_angle_at_0">
        <source>arm_profile_angle_at_0</source>
        <extracomment>Column header, narrow: the joint's angle in degrees at position 0</extracomment>
        <translation>0 時角度</translation>
    </message>
    <message id="arm_profile_angle_at_1000">
        <source>arm_profile_angle_at_1000</source>
        <extracomment>Column header, narrow: the joint's angle in degrees at position 1000</extracomment>
        <translation>1000 時角度</translation>
    </message>
    <message id="arm_profile_channels">
        <source>arm_profile_channels</source>
        <extracomment>Group title: each channel's name and position range</extracomment>
        <translation>通道</translation>
    </message>
    <message id="arm_profile_channel_number">
        <source>arm_profile_channel_number</source>
        <extracomment>A channel, for screen readers; %1 is its number</extracomment>
        <translation>通道 %1</translation>
    </message>
    <message id="arm_profile_lowest">
        <source>arm_profile_lowest</source>
        <extracomment>Column header: lowest position a channel may be sent</extracomment>
        <translation>最低</translation>
    </message>
    <message id="arm_profile_highest">
        <source>arm_profile_highest</source>
        <extracomment>Column header: highest position a channel may be sent</extracomment>
        <translation>最高</translation>
    </message>
    <message id="arm_profile_reversed">
        <source>arm_profile_reversed</source>
        <extracomment>Column header, a check box: the servo turns the other way</extracomment>
        <translation>反向</translation>
    </message>
    <message id="arm_profile_field_of">
        <source>arm_profile_field_of</source>
        <extracomment>Screen reader name of a field: %1 the row (joint, channel or group), %2 the column</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message id="arm_profile_read_only">
        <source>arm_profile_read_only</source>
        <extracomment>Note and tooltip on the shipped profile's fields</extracomment>
        <translation>出廠配置不可修改。複製後即可編輯副本。</translation>
    </message>
    <message id="arm_profile_error_name_empty">
        <source>arm_profile_error_name_empty</source>
        <extracomment>Shown beside the name field</extracomment>
        <translation>配置需要名稱。</translation>
    </message>
    <message id="arm_profile_error_name_taken">
        <source>arm_profile_error_name_taken</source>
        <extracomment>Shown beside the name field; %1 is the name</extracomment>
        <translation>已有名為「%1」的配置。</translation>
    </message>
    <message id="arm_profile_error_range">
        <source>arm_profile_error_range</source>
        <extracomment>Shown under the channel table; %1 channel number, %2 lowest, %3 highest position</extracomment>
        <translation>通道 %1：最低 %2 高於最高 %3。</translation>
    </message>
    <message id="arm_profile_copy_name">
        <source>arm_profile_copy_name</source>
        <extracomment>Name of a copied profile; %1 is the original's name</extracomment>
        <translation>%1 副本</translation>
    </message>
    <message id="arm_profile_delete_ask">
        <source>arm_profile_delete_ask</source>
        <extracomment>Question before deleting; %1 is the profile's name</extracomment>
        <translation>刪除機械臂配置「%1」嗎？</translation>
    </message>
    <message id="arm_profile_import_title">
        <source>arm_profile_import_title</source>
        <extracomment>File dialog title</extracomment>
        <translation>匯入機械臂配置</translation>
    </message>
    <message id="arm_profile_export_title">
        <source>arm_profile_export_title</source>
        <extracomment>File dialog title</extracomment>
        <translation>匯出機械臂配置</translation>
    </message>
    <message id="arm_profile_file_filter">
        <source>arm_profile_file_filter</source>
        <extracomment>File dialog filter name, before (*.json)</extracomment>
        <translation>機械臂配置</translation>
    </message>
    <message id="poses_fault_no_channel">
        <source>poses_fault_no_channel</source>
        <extracomment>Fault of one pose in a file</extracomment>
        <translation>沒有任何通道有位置</translation>
    </message>
    <message id="poses_fault_channel">
        <source>poses_fault_channel</source>
        <extracomment>Fault of one pose in a file; %1 is ch1 to ch6, %2 and %3 the position range</extracomment>
        <translation>%1：需要 %2 到 %3 的整數，或 null</translation>
    </message>
    <message id="poses_fault_name">
        <source>poses_fault_name</source>
        <extracomment>Fault of one pose in a file</extracomment>
        <translation>name：需要非空的文字</translation>
    </message>
    <message id="poses_fault_name_unprintable">
        <source>poses_fault_name_unprintable</source>
        <extracomment>Fault of one pose in a file; %1 a character's code, such as U+202E</extracomment>
        <translation>name：含有無法顯示的字元 %1</translation>
    </message>
    <message id="poses_name_unprintable">
        <source>poses_name_unprintable</source>
        <extracomment>Tip when saving a pose; %1 a character's code, such as U+202E</extracomment>
        <translation>姿態名稱不能含有無法顯示的字元 %1。未儲存任何內容。</translation>
    </message>
    <message id="poses_not_kept">
        <source>poses_not_kept</source>
        <extracomment>Tip; %1 is the settings file's path</extracomment>
        <translation>無法將姿態寫入 %1，關閉 Vorn 後這次變更將會遺失。請匯出姿態以便保留。</translation>
    </message>
    <message id="arm_profile_name_too_long">
        <source>arm_profile_name_too_long</source>
        <extracomment>Arm profile JSON check: %1 the most characters a name may have, %2 how many it has</extracomment>
        <translation>最多 %1 個字元，而不是 %2 個</translation>
    </message>
    <message id="arm_profile_name_unprintable">
        <source>arm_profile_name_unprintable</source>
        <extracomment>Arm profile JSON check: %1 a character's code, such as U+202E</extracomment>
        <translation>含有無法顯示的字元 %1</translation>
    </message>
    <message id="arm_profile_error_name_unprintable">
        <source>arm_profile_error_name_unprintable</source>
        <extracomment>Shown beside the name field; %1 a character's code, such as U+202E</extracomment>
        <translation>名稱含有無法顯示的字元 %1。</translation>
    </message>
    <message id="arm_profile_not_kept">
        <source>arm_profile_not_kept</source>
        <extracomment>Tip on OK; %1 is the settings file's path</extracomment>
        <translation>無法將機械臂配置寫入 %1，因此無法保留。請匯出該配置以便保留，或選擇「取消」。</translation>
    </message>
    <message id="poses_fault_not_object">
        <source>poses_fault_not_object</source>
        <extracomment>Fault of one pose in a file</extracomment>
        <translation>不是物件</translation>
    </message>
    <message id="poses_fault_at">
        <source>poses_fault_at</source>
        <extracomment>Fault of a poses file; %1 is the pose's number from 1, %2 what is wrong with it</extracomment>
        <translation>第 %1 個姿態，%2</translation>
    </message>
    <message id="poses_fault_no_list">
        <source>poses_fault_no_list</source>
        <extracomment>Fault of a poses file</extracomment>
        <translation>沒有姿態列表（"poses"）</translation>
    </message>
    <message id="poses_fault_not_json">
        <source>poses_fault_not_json</source>
        <extracomment>Fault of a poses file; %1 is the byte where reading stopped</extracomment>
        <translation>不是 JSON 文字（在第 %1 位元組處）</translation>
    </message>
    <message id="poses_export_failed">
        <source>poses_export_failed</source>
        <extracomment>Tip; %1 is a file path, %2 the system's reason</extracomment>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message id="poses_exported" numerus="yes">
        <source>poses_exported</source>
        <extracomment>Status line: the poses were written; %n of them, %1 the file&#x27;s name</extracomment>
        <translation>
            <numerusform>已將 %n 個姿態匯出到「%1」</numerusform>
        </translation>
    </message>
    <message id="poses_file_too_large">
        <source>poses_file_too_large</source>
        <extracomment>Reason in poses_import_failed</extracomment>
        <translation>檔案太大，不可能是姿態檔</translation>
    </message>
    <message id="poses_import_failed">
        <source>poses_import_failed</source>
        <extracomment>Tip; %1 is a file name, %2 what is wrong with it</extracomment>
        <translation>無法匯入 %1：%2。沒有變更任何姿態。</translation>
    </message>
    <message id="poses_file_filter">
        <source>poses_file_filter</source>
        <extracomment>File dialog filter name, before (*.json)</extracomment>
        <translation>姿態</translation>
    </message>
    <message id="poses_export_title">
        <source>poses_export_title</source>
        <extracomment>Title of the file panel</extracomment>
        <translation>匯出姿態</translation>
    </message>
    <message id="poses_import_title">
        <source>poses_import_title</source>
        <extracomment>Title of the file panel</extracomment>
        <translation>匯入姿態</translation>
    </message>
    <message id="poses_no_channel">
        <source>poses_no_channel</source>
        <extracomment>Tip when saving a pose with every channel hidden</extracomment>
        <translation>請至少顯示一個通道，才能儲存姿態。</translation>
    </message>
    <message id="poses_delete_confirm">
        <source>poses_delete_confirm</source>
        <extracomment>Question; %1 is a pose name</extracomment>
        <translation>刪除姿態「%1」？</translation>
    </message>
    <message id="poses_replace">
        <source>poses_replace</source>
        <extracomment>Question; %1 is a pose name</extracomment>
        <translation>已有名為「%1」的姿態。要取代它嗎？</translation>
    </message>
    <message id="poses_default_name">
        <source>poses_default_name</source>
        <extracomment>Name a new pose is offered</extracomment>
        <translation>姿態</translation>
    </message>
    <message id="poses_name">
        <source>poses_name</source>
        <extracomment>Label of the pose name field</extracomment>
        <translation>姿態名稱：</translation>
    </message>
    <message id="poses_save_title">
        <source>poses_save_title</source>
        <extracomment>Title of the question for a pose's name</extracomment>
        <translation>儲存姿態</translation>
    </message>
    <message id="poses_export">
        <source>poses_export</source>
        <extracomment>Button of the poses window</extracomment>
        <translation>匯出…</translation>
    </message>
    <message id="poses_import">
        <source>poses_import</source>
        <extracomment>Button of the poses window</extracomment>
        <translation>匯入…</translation>
    </message>
    <message id="poses_delete">
        <source>poses_delete</source>
        <extracomment>Button of the poses window</extracomment>
        <translation>刪除</translation>
    </message>
    <message id="poses_insert">
        <source>poses_insert</source>
        <extracomment>Button of the poses window: inserts the chosen pose into the frame list</extracomment>
        <translation>插入為幀</translation>
    </message>
    <message id="poses_save">
        <source>poses_save</source>
        <extracomment>Button of the poses window</extracomment>
        <translation>儲存目前姿態…</translation>
    </message>
    <message id="poses_list_tip">
        <source>poses_list_tip</source>
        <extracomment>Tooltip of the list of named poses</extracomment>
        <translation>雙擊某個姿態（或按 Enter）讓機械臂移動到該姿態</translation>
    </message>
    <message id="poses_empty">
        <source>poses_empty</source>
        <extracomment>Shown in the poses window&apos;s list while it holds no pose</extracomment>
        <translation>還沒有姿態。擺好機械臂，然後點擊「儲存目前姿態…」為它命名儲存。</translation>
    </message>
    <message id="poses_open_tip">
        <source>poses_open_tip</source>
        <extracomment>Tooltip of the Poses button</extracomment>
        <translation>以名稱儲存目前姿態，或讓機械臂移動到已儲存的姿態</translation>
    </message>
    <message id="poses_open">
        <source>poses_open</source>
        <extracomment>Button beside the channel boxes that opens the named poses window</extracomment>
        <translation>姿態…</translation>
    </message>
    <message id="poses_title">
        <source>poses_title</source>
        <extracomment>Title of the named poses window and accessible name of its list</extracomment>
        <translation>姿態</translation>
    </message>
    <message id="ctl_ease_done">
        <source>ctl_ease_done</source>
        <extracomment>Result; %1 the moves eased, %2 the frames added, %3 the frames written and where</extracomment>
        <translation>%1，%2：%3</translation>
    </message>
    <message id="ctl_moves_eased" numerus="yes">
        <source>ctl_moves_eased</source>
        <extracomment>Part of a result; %n moves</extracomment>
        <translation>
            <numerusform>已緩動 %n 段運動</numerusform>
        </translation>
    </message>
    <message id="ctl_frames_added" numerus="yes">
        <source>ctl_frames_added</source>
        <extracomment>Part of a result; %n frames</extracomment>
        <translation>
            <numerusform>增加 %n 幀</numerusform>
        </translation>
    </message>
    <message id="ctl_ease_too_short">
        <source>ctl_ease_too_short</source>
        <extracomment>Error; %1 file name, %2 the shortest move in ms that can be eased</extracomment>
        <translation>%1：沒有足夠長的運動可以緩動：一段運動至少需要 %2 毫秒才能分成兩步；未寫入任何內容</translation>
    </message>
    <message id="ctl_ease_over_budget">
        <source>ctl_ease_over_budget</source>
        <extracomment>Error; %1 file name, %2 and %3 frame numbers, %4 the most frames a group holds</extracomment>
        <translation>%1：緩動第 %2 幀到第 %3 幀的運動會超過 %4 幀，即一個動作組最多可容納的幀數；未寫入任何內容</translation>
    </message>
    <message id="ctl_ease_no_move" numerus="yes">
        <source>ctl_ease_no_move</source>
        <extracomment>Error; %1 a file name, %2 and %3 frame numbers, %n its frame count</extracomment>
        <translation>
            <numerusform>%1 在第 %2 幀和第 %3 幀之間沒有運動（該檔案有 %n 幀）；未寫入任何內容</numerusform>
        </translation>
    </message>
    <message id="ctl_ease_past_end" numerus="yes">
        <source>ctl_ease_past_end</source>
        <extracomment>Error; %1 a file name, %n its frame count, %2 the frame asked for</extracomment>
        <translation>
            <numerusform>%1 只有 %n 幀，沒有第 %2 幀；未寫入任何內容</numerusform>
        </translation>
    </message>
    <message id="ctl_ease_from_after_to">
        <source>ctl_ease_from_after_to</source>
        <extracomment>Error; %1 and %2 frame numbers</extracomment>
        <translation>--from %1 必須在 --to %2 之前</translation>
    </message>
    <message id="ctl_ease_no_curve">
        <source>ctl_ease_no_curve</source>
        <extracomment>Error; %1 is what the user gave as --curve</extracomment>
        <translation>%1 不是曲線：請使用 in、out、in-out，或以 X1,Y1,X2,Y2 表示的四個 0 到 1 的數</translation>
    </message>
    <message id="ctl_help_ease_output">
        <source>ctl_help_ease_output</source>
        <extracomment>Command-line help</extracomment>
        <translation>要寫入的動作檔（.rob），或用 - 表示標準輸出</translation>
    </message>
    <message id="ctl_help_ease_step">
        <source>ctl_help_ease_step</source>
        <extracomment>Command-line help</extracomment>
        <translation>每步的時間（毫秒）；每段運動被分成能容納的最多整步</translation>
    </message>
    <message id="ctl_help_ease_curve">
        <source>ctl_help_ease_curve</source>
        <extracomment>Command-line help</extracomment>
        <translation>in、out、in-out（預設），或以 X1,Y1,X2,Y2 表示的貝茲曲線，每個值為 0 到 1</translation>
    </message>
    <message id="ctl_help_ease_to">
        <source>ctl_help_ease_to</source>
        <extracomment>Command-line help</extracomment>
        <translation>要緩動的運動的最後一幀（預設：最後一幀）</translation>
    </message>
    <message id="ctl_help_ease_from">
        <source>ctl_help_ease_from</source>
        <extracomment>Command-line help</extracomment>
        <translation>要緩動的運動的第一幀，與 file show 一樣從 1 開始編號（預設：第一幀）</translation>
    </message>
    <message id="ctl_help_file_ease">
        <source>ctl_help_file_ease</source>
        <extracomment>Command-line help</extracomment>
        <translation>沿時間曲線把動作檔中幀與幀之間的運動分成更短的步驟（緩動）</translation>
    </message>
    <message id="craft_mirror_apply">
        <source>craft_mirror_apply</source>
        <extracomment>OK button of the mirror dialog</extracomment>
        <translation>鏡像</translation>
    </message>
    <message id="craft_mirror_about">
        <source>craft_mirror_about</source>
        <extracomment>Explanation in the mirror dialog</extracomment>
        <translation>所選幀中每個勾選通道的位置將以中間位置為軸鏡像，使動作轉到另一側。</translation>
    </message>
    <message id="craft_mirror_title">
        <source>craft_mirror_title</source>
        <extracomment>Title of the mirror dialog</extracomment>
        <translation>鏡像幀</translation>
    </message>
    <message id="craft_ease_apply">
        <source>craft_ease_apply</source>
        <extracomment>OK button of the easing dialog</extracomment>
        <translation>緩動</translation>
    </message>
    <message id="craft_curve_editor_keys">
        <source>craft_curve_editor_keys</source>
        <extracomment>Tooltip and accessible description of the curve editor</extracomment>
        <translation>拖曳控制點，或用方向鍵移動選中的控制點（按住 Shift 步幅更大）；空白鍵切換到另一個控制點。</translation>
    </message>
    <message id="craft_curve_editor">
        <source>craft_curve_editor</source>
        <extracomment>Accessible name of the Bézier curve editor</extracomment>
        <translation>曲線編輯器</translation>
    </message>
    <message id="craft_step">
        <source>craft_step</source>
        <extracomment>Label and accessible name of the easing dialog's step time field</extracomment>
        <translation>每步時間</translation>
    </message>
    <message id="craft_curve_custom">
        <source>craft_curve_custom</source>
        <extracomment>Easing curve choice: a curve drawn in the curve editor</extracomment>
        <translation>自訂曲線</translation>
    </message>
    <message id="craft_curve_out">
        <source>craft_curve_out</source>
        <extracomment>Easing curve choice</extracomment>
        <translation>緩出</translation>
    </message>
    <message id="craft_curve_in">
        <source>craft_curve_in</source>
        <extracomment>Easing curve choice</extracomment>
        <translation>緩入</translation>
    </message>
    <message id="craft_curve_in_out">
        <source>craft_curve_in_out</source>
        <extracomment>Easing curve choice</extracomment>
        <translation>緩入緩出</translation>
    </message>
    <message id="craft_curve">
        <source>craft_curve</source>
        <extracomment>Label and accessible name of the easing dialog's curve choice</extracomment>
        <translation>曲線</translation>
    </message>
    <message id="craft_ease_title">
        <source>craft_ease_title</source>
        <extracomment>Title of the easing dialog</extracomment>
        <translation>緩動運動</translation>
    </message>
    <message id="craft_choose_reverse">
        <source>craft_choose_reverse</source>
        <extracomment>Tip when reversing fewer than two frames</extracomment>
        <translation>請選擇兩個或更多幀，才能倒序播放。</translation>
    </message>
    <message id="craft_choose_mirror">
        <source>craft_choose_mirror</source>
        <extracomment>Tip when mirroring without frames or channels chosen</extracomment>
        <translation>請選擇要鏡像的幀，並至少選擇一個通道。</translation>
    </message>
    <message id="craft_too_short">
        <source>craft_too_short</source>
        <extracomment>Tip and dialog line; %1 is the shortest move, in ms, that can be eased at the chosen step time</extracomment>
        <translation>所選運動太短，無法緩動：一段運動至少需要 %1 毫秒才能分成兩步。</translation>
    </message>
    <message id="craft_will_add">
        <source>craft_will_add</source>
        <extracomment>Easing dialog line; %1 frames added, %2 frames in the list afterwards, %3 the most a group holds</extracomment>
        <translation>將增加 %1 幀：列表將有 %2 幀（一個動作組最多 %3 幀）。</translation>
    </message>
    <message id="craft_over_budget">
        <source>craft_over_budget</source>
        <extracomment>Tip and dialog line; %1 and %2 are frame numbers, %3 the most frames a group holds</extracomment>
        <translation>緩動第 %1 幀到第 %2 幀的運動會使列表超過 %3 幀，即一個動作組最多可容納的幀數。未做任何更改。</translation>
    </message>
    <message id="craft_choose_two">
        <source>craft_choose_two</source>
        <extracomment>Tip when easing without two adjacent frames selected</extracomment>
        <translation>請選擇兩個或更多相鄰的幀：從其中一幀到下一幀的每段運動都會被緩動。</translation>
    </message>
    <message id="craft_reverse">
        <source>craft_reverse</source>
        <extracomment>Context menu item of the frame table: plays the selected frames backwards</extracomment>
        <translation>倒序播放</translation>
    </message>
    <message id="craft_mirror">
        <source>craft_mirror</source>
        <extracomment>Context menu item of the frame table: opens the mirror dialog</extracomment>
        <translation>鏡像…</translation>
    </message>
    <message id="craft_ease">
        <source>craft_ease</source>
        <extracomment>Context menu item of the frame table: opens the easing dialog</extracomment>
        <translation>緩動運動…</translation>
    </message>
    <message id="arm_profile_import_unreadable">
        <source>arm_profile_import_unreadable</source>
        <extracomment>Tip; %1 is a file name, %2 the system's reason</extracomment>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message id="arm_profile_import_too_large">
        <source>arm_profile_import_too_large</source>
        <extracomment>Tip; %1 is a file name</extracomment>
        <translation>%1 太大，不是機械臂配置。未匯入任何內容。</translation>
    </message>
    <message id="arm_profile_import_invalid">
        <source>arm_profile_import_invalid</source>
        <extracomment>Tip; %1 is a file name, %2 what is wrong in it (English)</extracomment>
        <translation>%1 不是有效的機械臂配置：%2。未匯入任何內容。</translation>
    </message>
    <message id="arm_profile_imported">
        <source>arm_profile_imported</source>
        <extracomment>Status line; %1 is the profile's name</extracomment>
        <translation>已匯入「%1」。</translation>
    </message>
    <message id="arm_profile_imported_renamed">
        <source>arm_profile_imported_renamed</source>
        <extracomment>Status line; %1 is the name in the file, %2 the name given instead</extracomment>
        <translation>「%1」已存在，已匯入為「%2」。</translation>
    </message>
    <message id="arm_profile_export_failed">
        <source>arm_profile_export_failed</source>
        <extracomment>Tip; %1 is a file path, %2 the system's reason</extracomment>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message id="arm_profile_exported">
        <source>arm_profile_exported</source>
        <extracomment>Status line of the arm profile dialog; %1 is a file path</extracomment>
        <translation>已匯出到 %1。</translation>
    </message>
    <message id="mass_file_not_sent">
        <source>mass_file_not_sent</source>
        <extracomment>List line</extracomment>
        <translation>%1：未傳送，前面的檔案失敗</translation>
    </message>
    <message id="gamepad">
        <source>gamepad</source>
        <extracomment>Label of the switch beside the Live arm switch that turns gamepad control on</extracomment>
        <translation>手把</translation>
    </message>
    <message id="gamepad_tips">
        <source>gamepad_tips</source>
        <extracomment>Tooltip of the gamepad switch</extracomment>
        <translation>用遊戲手把操控機械臂：左搖桿移動夾爪末端，按 B 鍵全部停止</translation>
    </message>
    <message id="gamepad_mapping_open">
        <source>gamepad_mapping_open</source>
        <extracomment>Button beside the gamepad switch that opens the gamepad mapping dialog</extracomment>
        <translation>按鍵配置…</translation>
    </message>
    <message id="gamepad_mapping_open_tips">
        <source>gamepad_mapping_open_tips</source>
        <extracomment>Tooltip of the button that opens the gamepad mapping dialog</extracomment>
        <translation>設定每個搖桿和按鍵的功能、速度和死區</translation>
    </message>
    <message id="gamepad_mapping">
        <source>gamepad_mapping</source>
        <extracomment>Window title of the gamepad mapping dialog</extracomment>
        <translation>手把按鍵配置</translation>
    </message>
    <message id="gamepad_connected">
        <source>gamepad_connected</source>
        <extracomment>Status line; %1 is the controller's name</extracomment>
        <translation>手把已連線：%1</translation>
    </message>
    <message id="gamepad_disconnected">
        <source>gamepad_disconnected</source>
        <extracomment>Status line; %1 is the controller's name</extracomment>
        <translation>手把已拔除：%1。機械臂已停止。</translation>
    </message>
    <message id="gamepad_waiting">
        <source>gamepad_waiting</source>
        <extracomment>Status line when the gamepad switch is on and no controller is plugged in</extracomment>
        <translation>手把已開啟，請插入遊戲手把。</translation>
    </message>
    <message id="gamepad_unavailable">
        <source>gamepad_unavailable</source>
        <extracomment>Status line; %1 is the system's reason (English)</extracomment>
        <translation>無法使用手把：%1</translation>
    </message>
    <message id="gamepad_needs_board">
        <source>gamepad_needs_board</source>
        <extracomment>Status line when the gamepad is switched on with no board and no serial port to move the arm</extracomment>
        <translation>手把已開啟。連接控制板（或開啟序列埠）後才能移動機械臂。</translation>
    </message>
    <message id="gamepad_board_gone">
        <source>gamepad_board_gone</source>
        <extracomment>Status line when the board goes away while the gamepad is on</extracomment>
        <translation>手把已關閉：控制板已斷開。</translation>
    </message>
    <message id="arm_would_strike">
        <source>arm_would_strike</source>
        <extracomment>Beside the arm view's red ring while the gamepad holds a pose back; %1 is strike_ground, strike_column or strike_both</extracomment>
        <translation>已停住：會撞到%1</translation>
    </message>
    <message id="pad_tip_forward">
        <source>pad_tip_forward</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>末端前進 / 後退</translation>
    </message>
    <message id="pad_tip_up">
        <source>pad_tip_up</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>末端上升 / 下降</translation>
    </message>
    <message id="pad_base_turn">
        <source>pad_base_turn</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>轉動底座</translation>
    </message>
    <message id="pad_hand_tilt">
        <source>pad_hand_tilt</source>
        <extracomment>Role in the gamepad mapping dialog: a motion (the hand's angle to the ground)</extracomment>
        <translation>手部俯仰</translation>
    </message>
    <message id="pad_gripper_close">
        <source>pad_gripper_close</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>閉合夾爪</translation>
    </message>
    <message id="pad_gripper_open">
        <source>pad_gripper_open</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>張開夾爪</translation>
    </message>
    <message id="pad_roll_left">
        <source>pad_roll_left</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>手腕向左旋轉</translation>
    </message>
    <message id="pad_roll_right">
        <source>pad_roll_right</source>
        <extracomment>Role in the gamepad mapping dialog: a motion</extracomment>
        <translation>手腕向右旋轉</translation>
    </message>
    <message id="pad_add_frame">
        <source>pad_add_frame</source>
        <extracomment>Role in the gamepad mapping dialog: an action</extracomment>
        <translation>新增動作</translation>
    </message>
    <message id="pad_insert_frame">
        <source>pad_insert_frame</source>
        <extracomment>Role in the gamepad mapping dialog: an action</extracomment>
        <translation>插入動作</translation>
    </message>
    <message id="pad_update_frame">
        <source>pad_update_frame</source>
        <extracomment>Role in the gamepad mapping dialog: an action</extracomment>
        <translation>更新動作</translation>
    </message>
    <message id="pad_previous_row">
        <source>pad_previous_row</source>
        <extracomment>Role in the gamepad mapping dialog: an action (the row above in the frame list)</extracomment>
        <translation>上一列</translation>
    </message>
    <message id="pad_next_row">
        <source>pad_next_row</source>
        <extracomment>Role in the gamepad mapping dialog: an action (the row below in the frame list)</extracomment>
        <translation>下一列</translation>
    </message>
    <message id="pad_run_or_stop">
        <source>pad_run_or_stop</source>
        <extracomment>Role in the gamepad mapping dialog: an action</extracomment>
        <translation>執行 / 停止列表</translation>
    </message>
    <message id="pad_stop_all">
        <source>pad_stop_all</source>
        <extracomment>Role in the gamepad mapping dialog: an action</extracomment>
        <translation>全部停止</translation>
    </message>
    <message id="pad_mapping_hint">
        <source>pad_mapping_hint</source>
        <extracomment>Note at the top of the gamepad mapping dialog</extracomment>
        <translation>操作手把即可檢查配置：每一列顯示該功能目前收到的輸入。</translation>
    </message>
    <message id="pad_motions">
        <source>pad_motions</source>
        <extracomment>Group title in the gamepad mapping dialog: the roles an input drives while held</extracomment>
        <translation>運動</translation>
    </message>
    <message id="pad_actions">
        <source>pad_actions</source>
        <extracomment>Group title in the gamepad mapping dialog: the roles a press runs once</extracomment>
        <translation>操作</translation>
    </message>
    <message id="pad_column_input">
        <source>pad_column_input</source>
        <extracomment>Column of the gamepad mapping dialog, about 150 px wide</extracomment>
        <translation>輸入</translation>
    </message>
    <message id="pad_column_speed">
        <source>pad_column_speed</source>
        <extracomment>Column of the gamepad mapping dialog, about 90 px wide</extracomment>
        <translation>速度</translation>
    </message>
    <message id="pad_column_dead_zone">
        <source>pad_column_dead_zone</source>
        <extracomment>Column of the gamepad mapping dialog, about 60 px wide</extracomment>
        <translation>死區</translation>
    </message>
    <message id="pad_column_invert">
        <source>pad_column_invert</source>
        <extracomment>Column of the gamepad mapping dialog, above the switches, about 44 px wide</extracomment>
        <translation>反向</translation>
    </message>
    <message id="pad_column_now">
        <source>pad_column_now</source>
        <extracomment>Column of the gamepad mapping dialog, above each row's live level, about 64 px wide</extracomment>
        <translation>目前</translation>
    </message>
    <message id="pad_column_input_tips">
        <source>pad_column_input_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's input column</extracomment>
        <translation>執行該功能的搖桿、扳機或按鍵</translation>
    </message>
    <message id="pad_column_speed_tips">
        <source>pad_column_speed_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's speed column</extracomment>
        <translation>輸入推到底時的移動速度</translation>
    </message>
    <message id="pad_column_dead_zone_tips">
        <source>pad_column_dead_zone_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's dead zone column</extracomment>
        <translation>搖桿或扳機推過多少後才開始移動</translation>
    </message>
    <message id="pad_column_invert_tips">
        <source>pad_column_invert_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's invert switches</extracomment>
        <translation>反方向移動（僅限搖桿和扳機）</translation>
    </message>
    <message id="pad_column_now_tips">
        <source>pad_column_now_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's live levels</extracomment>
        <translation>該功能目前從手把收到的輸入</translation>
    </message>
    <message id="pad_input_none">
        <source>pad_input_none</source>
        <extracomment>Entry of an input chooser in the gamepad mapping dialog: no input</extracomment>
        <translation>無</translation>
    </message>
    <message id="pad_input_left_x">
        <source>pad_input_left_x</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>左搖桿 ←→</translation>
    </message>
    <message id="pad_input_left_y">
        <source>pad_input_left_y</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>左搖桿 ↑↓</translation>
    </message>
    <message id="pad_input_right_x">
        <source>pad_input_right_x</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>右搖桿 ←→</translation>
    </message>
    <message id="pad_input_right_y">
        <source>pad_input_right_y</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>右搖桿 ↑↓</translation>
    </message>
    <message id="pad_input_left_trigger">
        <source>pad_input_left_trigger</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>左扳機</translation>
    </message>
    <message id="pad_input_right_trigger">
        <source>pad_input_right_trigger</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>右扳機</translation>
    </message>
    <message id="pad_input_back">
        <source>pad_input_back</source>
        <extracomment>A controller's button, in the choosers and on a chip of the controller view, about 40 px wide</extracomment>
        <translation>返回鍵</translation>
    </message>
    <message id="pad_input_guide">
        <source>pad_input_guide</source>
        <extracomment>A controller's button (the one in the middle), in the choosers and on a chip of the controller view, about 40 px wide</extracomment>
        <translation>首頁鍵</translation>
    </message>
    <message id="pad_input_start">
        <source>pad_input_start</source>
        <extracomment>A controller's button, in the choosers and on a chip of the controller view, about 40 px wide</extracomment>
        <translation>開始鍵</translation>
    </message>
    <message id="pad_input_left_stick">
        <source>pad_input_left_stick</source>
        <extracomment>A controller's input (the left stick pushed in), in the gamepad mapping dialog's choosers</extracomment>
        <translation>按下左搖桿</translation>
    </message>
    <message id="pad_input_right_stick">
        <source>pad_input_right_stick</source>
        <extracomment>A controller's input (the right stick pushed in), in the gamepad mapping dialog's choosers</extracomment>
        <translation>按下右搖桿</translation>
    </message>
    <message id="pad_input_left_shoulder">
        <source>pad_input_left_shoulder</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>左肩鍵</translation>
    </message>
    <message id="pad_input_right_shoulder">
        <source>pad_input_right_shoulder</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>右肩鍵</translation>
    </message>
    <message id="pad_input_dpad_up">
        <source>pad_input_dpad_up</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>方向鍵 ↑</translation>
    </message>
    <message id="pad_input_dpad_down">
        <source>pad_input_dpad_down</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>方向鍵 ↓</translation>
    </message>
    <message id="pad_input_dpad_left">
        <source>pad_input_dpad_left</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>方向鍵 ←</translation>
    </message>
    <message id="pad_input_dpad_right">
        <source>pad_input_dpad_right</source>
        <extracomment>A controller's input, in the gamepad mapping dialog's choosers</extracomment>
        <translation>方向鍵 →</translation>
    </message>
    <message id="pad_defaults">
        <source>pad_defaults</source>
        <extracomment>Button of the gamepad mapping dialog, about 100 px wide</extracomment>
        <translation>還原預設值</translation>
    </message>
    <message id="pad_defaults_tips">
        <source>pad_defaults_tips</source>
        <extracomment>Tooltip of the gamepad mapping dialog's Defaults button</extracomment>
        <translation>還原程式內建的按鍵配置</translation>
    </message>
    <message id="pad_view">
        <source>pad_view</source>
        <extracomment>Screen reader name of the controller view in the gamepad mapping dialog</extracomment>
        <translation>手把輸入</translation>
    </message>
    <message id="pad_view_tips">
        <source>pad_view_tips</source>
        <extracomment>Tooltip of the controller view in the gamepad mapping dialog</extracomment>
        <translation>手把的目前狀態：兩個搖桿及其死區、扳機，以及按住時亮起的按鍵</translation>
    </message>
    <message id="pad_no_controller">
        <source>pad_no_controller</source>
        <extracomment>In the controller view of the gamepad mapping dialog when no controller is plugged in</extracomment>
        <translation>未連接手把</translation>
    </message>
    <message id="pad_view_state">
        <source>pad_view_state</source>
        <extracomment>Screen reader description of the controller view: %1 the controller's name, %2 its inputs in use (a list) or pad_view_rest</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message id="pad_view_held">
        <source>pad_view_held</source>
        <extracomment>An item of the controller view's screen reader description; %1 is a button's name</extracomment>
        <translation>按住%1</translation>
    </message>
    <message id="pad_view_rest">
        <source>pad_view_rest</source>
        <extracomment>The controller view's screen reader description when nothing is pushed</extracomment>
        <translation>所有輸入都在靜止位置</translation>
    </message>
    <message id="pad_list_separator">
        <source>pad_list_separator</source>
        <extracomment>Between the items of the controller view's screen reader description</extracomment>
        <translation>，</translation>
    </message>
    <message id="pad_pressed">
        <source>pad_pressed</source>
        <extracomment>Screen reader description of an action's live mark in the gamepad mapping dialog</extracomment>
        <translation>已按下</translation>
    </message>
    <message id="pad_released">
        <source>pad_released</source>
        <extracomment>Screen reader description of an action's live mark in the gamepad mapping dialog</extracomment>
        <translation>未按下</translation>
    </message>
</context>
</TS>
