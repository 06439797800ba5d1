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
        <extracomment>Message of a tip dialog</extracomment>
        <translation>輸入無效，修改未生效。</translation>
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
        <translation>確定要清除控制板上的所選動作組嗎？</translation>
    </message>
    <message id="comfirm_all_erase">
        <source>comfirm_all_erase</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>確定要清除控制板上的所有動作組嗎？</translation>
    </message>
    <message id="erase_success">
        <source>erase_success</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>清除完成。</translation>
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
    <message id="download_dev_tips">
        <source>download_dev_tips</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>確定將目前偏差寫入伺服機嗎？</translation>
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
    <message id="progress">
        <source>progress</source>
        <extracomment>Button title while a download runs; also a tip and the prefix of the file being downloaded</extracomment>
        <translation>正在下載…</translation>
    </message>
    <message id="download_success">
        <source>download_success</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>下載完成。</translation>
    </message>
    <message id="read_success">
        <source>read_success</source>
        <extracomment>Message of a tip dialog</extracomment>
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
</context>
</TS>
