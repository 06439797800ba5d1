<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vorn</name>
    <message id="select_all">
        <source>select_all</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>全选</translation>
    </message>
    <message id="select_none">
        <source>select_none</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>取消全选</translation>
    </message>
    <message id="reset_servo">
        <source>reset_servo</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>舵机复位</translation>
    </message>
    <message id="read_deviation">
        <source>read_deviation</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>读取偏差</translation>
    </message>
    <message id="download_deviation">
        <source>download_deviation</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>写入偏差</translation>
    </message>
    <message id="reset_deviation">
        <source>reset_deviation</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>偏差归零</translation>
    </message>
    <message id="wireless_connect">
        <source>wireless_connect</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>连接</translation>
    </message>
    <message id="wireless_disconnect">
        <source>wireless_disconnect</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>断开</translation>
    </message>
    <message id="run_action">
        <source>run_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>运行动作组</translation>
    </message>
    <message id="stop">
        <source>stop</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>停止</translation>
    </message>
    <message id="single_erase">
        <source>single_erase</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>擦除动作组</translation>
    </message>
    <message id="all_erase">
        <source>all_erase</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>全部擦除</translation>
    </message>
    <message id="download">
        <source>download</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>下载</translation>
    </message>
    <message id="add_action">
        <source>add_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>添加动作</translation>
    </message>
    <message id="delete_action">
        <source>delete_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>删除动作</translation>
    </message>
    <message id="update_action">
        <source>update_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>更新动作</translation>
    </message>
    <message id="Insert_action">
        <source>Insert_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>插入动作</translation>
    </message>
    <message id="motor_off">
        <source>motor_off</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>舵机卸力</translation>
    </message>
    <message id="read_angle">
        <source>read_angle</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>读取位置</translation>
    </message>
    <message id="open_action">
        <source>open_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>打开文件</translation>
    </message>
    <message id="save_action">
        <source>save_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>保存文件</translation>
    </message>
    <message id="integrate_action">
        <source>integrate_action</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>合并文件</translation>
    </message>
    <message id="run_online">
        <source>run_online</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>在线运行</translation>
    </message>
    <message id="loop">
        <source>loop</source>
        <extracomment>Label of the loop switch</extracomment>
        <translation>循环</translation>
    </message>
    <message id="action_group">
        <source>action_group</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>动作组</translation>
    </message>
    <message id="action_time">
        <source>action_time</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>动作时间(ms)</translation>
    </message>
    <message id="total_time">
        <source>total_time</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>总时间</translation>
    </message>
    <message id="servo_deviation">
        <source>servo_deviation</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>舵机偏差</translation>
    </message>
    <message id="copy_action">
        <source>copy_action</source>
        <extracomment>Context menu item</extracomment>
        <translation>复制动作</translation>
    </message>
    <message id="copy_action_up">
        <source>copy_action_up</source>
        <extracomment>Context menu item</extracomment>
        <translation>粘贴到上方</translation>
    </message>
    <message id="copy_action_down">
        <source>copy_action_down</source>
        <extracomment>Context menu item</extracomment>
        <translation>粘贴到下方</translation>
    </message>
    <message id="copy_action_update">
        <source>copy_action_update</source>
        <extracomment>Context menu item</extracomment>
        <translation>粘贴并替换</translation>
    </message>
    <message id="actions_max_velmar_tips">
        <source>actions_max_velmar_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>一个动作组最多 1020 个动作，下载前请删减。</translation>
    </message>
    <message id="add_action_first">
        <source>add_action_first</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>动作列表为空，请先添加动作再下载。</translation>
    </message>
    <message id="add_action_tips">
        <source>add_action_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>动作列表为空，请先添加动作。</translation>
    </message>
    <message id="connect_velmar">
        <source>connect_velmar</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>部分舵机未返回位置，请检查连接后重试。</translation>
    </message>
    <message id="modify_erro">
        <source>modify_erro</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>输入无效，修改未生效。</translation>
    </message>
    <message id="is_file_velmar">
        <source>is_file_velmar</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>该动作文件不适用于本机械臂，无法使用。</translation>
    </message>
    <message id="file_damage">
        <source>file_damage</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>文件无法读取或不是动作文件（.rob）。</translation>
    </message>
    <message id="save_file_tips">
        <source>save_file_tips</source>
        <extracomment>Reminder that glides across the editor in large red type</extracomment>
        <translation>记得保存动作文件！</translation>
    </message>
    <message id="motor_off_tips">
        <source>motor_off_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>舵机即将卸力，请扶住机械臂，再用手摆好姿势。</translation>
    </message>
    <message id="run_over">
        <source>run_over</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>运行结束。</translation>
    </message>
    <message id="stop_run">
        <source>stop_run</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>机械臂已断开连接，运行已停止。</translation>
    </message>
    <message id="comfirm_single_erase">
        <source>comfirm_single_erase</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>确定要擦除控制板上的所选动作组吗？</translation>
    </message>
    <message id="comfirm_all_erase">
        <source>comfirm_all_erase</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>确定要擦除控制板上的所有动作组吗？</translation>
    </message>
    <message id="erase_success">
        <source>erase_success</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>擦除完成。</translation>
    </message>
    <message id="erase_fail">
        <source>erase_fail</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>擦除失败，控制板未响应。</translation>
    </message>
    <message id="replace_deviation">
        <source>replace_deviation</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>从舵机读取偏差将替换当前显示的偏差，是否继续？</translation>
    </message>
    <message id="download_dev_tips">
        <source>download_dev_tips</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>确定将当前偏差写入舵机吗？</translation>
    </message>
    <message id="read_dev_first">
        <source>read_dev_first</source>
        <extracomment>Question of a confirmation dialog</extracomment>
        <translation>调整前是否先读取舵机当前的偏差？</translation>
    </message>
    <message id="read_dev_erro">
        <source>read_dev_erro</source>
        <extracomment>Followed by a space and servo numbers, such as 3,5</extracomment>
        <translation>未能读取以下舵机的偏差：</translation>
    </message>
    <message id="servo_id">
        <source>servo_id</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>舵机 ID</translation>
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
        <translation>角度范围</translation>
    </message>
    <message id="voltage">
        <source>voltage</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>电压范围</translation>
    </message>
    <message id="temperature">
        <source>temperature</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>温度上限</translation>
    </message>
    <message id="led_warning">
        <source>led_warning</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>LED 报警</translation>
    </message>
    <message id="over_heat">
        <source>over_heat</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>过热</translation>
    </message>
    <message id="over_voltage">
        <source>over_voltage</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>过压</translation>
    </message>
    <message id="over_position">
        <source>over_position</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>堵转</translation>
    </message>
    <message id="read_status">
        <source>read_status</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>实时状态</translation>
    </message>
    <message id="cur_temperature">
        <source>cur_temperature</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>当前温度</translation>
    </message>
    <message id="cur_voltage">
        <source>cur_voltage</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>当前电压</translation>
    </message>
    <message id="cur_position">
        <source>cur_position</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>当前位置</translation>
    </message>
    <message id="servo_test">
        <source>servo_test</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>舵机测试</translation>
    </message>
    <message id="time">
        <source>time</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>时间(ms)</translation>
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
        <translation>舵机模式</translation>
    </message>
    <message id="motor_mode">
        <source>motor_mode</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>电机模式</translation>
    </message>
    <message id="default">
        <source>default</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>默认值</translation>
    </message>
    <message id="set">
        <source>set</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>写入</translation>
    </message>
    <message id="read">
        <source>read</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>读取</translation>
    </message>
    <message id="settings">
        <source>settings</source>
        <extracomment>Title of the progress bar while parameters are written</extracomment>
        <translation>正在写入…</translation>
    </message>
    <message id="set_complete">
        <source>set_complete</source>
        <extracomment>Title of the progress bar when writing is done</extracomment>
        <translation>写入完成</translation>
    </message>
    <message id="mass_download_Tips">
        <source>mass_download_Tips</source>
        <extracomment>Title of the batch download panel; 号 must stay the character U+53F7</extracomment>
        <translation>批量下载（文件名如 3号wave.rob，即下载到动作组 3）</translation>
    </message>
    <message id="mass_open">
        <source>mass_open</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>选择文件</translation>
    </message>
    <message id="mass_download">
        <source>mass_download</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>批量下载</translation>
    </message>
    <message id="action_index">
        <source>action_index</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>动作组</translation>
    </message>
    <message id="single_servo_tips">
        <source>single_servo_tips</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>读写参数时，总线上只能连接一个舵机。</translation>
    </message>
    <message id="add_action_first_mass">
        <source>add_action_first_mass</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>请先选择要下载的动作文件。</translation>
    </message>
    <message id="file_error">
        <source>file_error</source>
        <extracomment>号 must stay the character U+53F7</extracomment>
        <translation>文件名须以“组号+号”开头，例如 3号wave.rob，其他文件已跳过。</translation>
    </message>
    <message id="connect_robot">
        <source>connect_robot</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>请先通过 USB 连接机械臂。</translation>
    </message>
    <message id="operation_fail">
        <source>operation_fail</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>串口已打开，无法进行此操作，请先断开。</translation>
    </message>
    <message id="progress">
        <source>progress</source>
        <extracomment>Button title while a download runs; also a tip and the prefix of the file being downloaded</extracomment>
        <translation>正在下载…</translation>
    </message>
    <message id="download_success">
        <source>download_success</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>下载完成。</translation>
    </message>
    <message id="read_success">
        <source>read_success</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>读取成功。</translation>
    </message>
    <message id="read_timeout">
        <source>read_timeout</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>读取超时，请检查连接后重试。</translation>
    </message>
    <message id="wait_timeout">
        <source>wait_timeout</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>控制板响应超时，请检查连接后重试。</translation>
    </message>
    <message id="send_fail">
        <source>send_fail</source>
        <extracomment>Message of a tip dialog</extracomment>
        <translation>发送到控制板失败，请检查 USB 线。</translation>
    </message>
    <message id="hid_permission">
        <source>hid_permission</source>
        <extracomment>A technical reason in English follows on its own lines</extracomment>
        <translation>已找到机械臂控制板，但无法打开。</translation>
    </message>
    <message id="normal_mode">
        <source>normal_mode</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>动作编辑</translation>
    </message>
    <message id="servo_adjust">
        <source>servo_adjust</source>
        <extracomment>Caption or panel title</extracomment>
        <translation>总线舵机调试</translation>
    </message>
    <message id="link_virtual">
        <source>link_virtual</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>虚拟控制板</translation>
    </message>
    <message id="link_switch_tips">
        <source>link_switch_tips</source>
        <extracomment>Tool tip of the board badge in the top bar</extracomment>
        <translation>点击可在 USB 控制板和虚拟控制板之间切换。</translation>
    </message>
    <message id="comfirm">
        <source>comfirm</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>确定</translation>
    </message>
    <message id="cancel">
        <source>cancel</source>
        <extracomment>Button title, about 100 px wide</extracomment>
        <translation>取消</translation>
    </message>
    <message id="USB-HID Connected">
        <source>USB-HID Connected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>USB 设备已连接</translation>
    </message>
    <message id="USB-HID Disconnected">
        <source>USB-HID Disconnected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>USB 设备已断开</translation>
    </message>
    <message id="USB-HID">
        <source>USB-HID</source>
        <extracomment>Starts the notification text; the device name and the connected or disconnected phrase follow</extracomment>
        <translation>USB 设备</translation>
    </message>
    <message id="Serial Port Connected">
        <source>Serial Port Connected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>串口已连接</translation>
    </message>
    <message id="Serial Port Disconnected">
        <source>Serial Port Disconnected</source>
        <extracomment>Desktop notification</extracomment>
        <translation>串口已断开</translation>
    </message>
    <message id="Serial Port">
        <source>Serial Port</source>
        <extracomment>Starts the notification text; the port name and the connected or disconnected phrase follow</extracomment>
        <translation>串口</translation>
    </message>
    <message id="was connected to your Mac.">
        <source>was connected to your Mac.</source>
        <extracomment>Ends the notification text after a device or port name</extracomment>
        <translation>已连接到此电脑。</translation>
    </message>
    <message id="was disconnected from your Mac.">
        <source>was disconnected from your Mac.</source>
        <extracomment>Ends the notification text after a device or port name</extracomment>
        <translation>已与此电脑断开连接。</translation>
    </message>
    <message id="tag_release">
        <source>tag_release</source>
        <extracomment>Label</extracomment>
        <translation>松</translation>
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
        <translation>后</translation>
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
        <translation>还原</translation>
    </message>
    <message id="window_close">
        <source>window_close</source>
        <extracomment>Window button name</extracomment>
        <translation>关闭</translation>
    </message>
    <message id="window_minimise_tips">
        <source>window_minimise_tips</source>
        <extracomment>Description of the window button</extracomment>
        <translation>将窗口收到任务栏。</translation>
    </message>
    <message id="window_zoom_tips">
        <source>window_zoom_tips</source>
        <extracomment>Description of the window button</extracomment>
        <translation>让窗口铺满屏幕，或恢复原来的大小。双击顶栏效果相同。</translation>
    </message>
    <message id="window_close_tips">
        <source>window_close_tips</source>
        <extracomment>Description of the window button</extracomment>
        <translation>关闭 Vorn（Ctrl+Q）。</translation>
    </message>
    <message id="window_fixed_tips">
        <source>window_fixed_tips</source>
        <extracomment>Tool tip of the disabled zoom button</extracomment>
        <translation>在此屏幕上窗口大小固定。</translation>
    </message>
    <message id="link_usb_none">
        <source>link_usb_none</source>
        <extracomment>Badge: USB chosen, no board plugged in</extracomment>
        <translation>USB – 未连接控制板</translation>
    </message>
    <message id="link_usb_board">
        <source>link_usb_board</source>
        <extracomment>Badge: USB chosen, board open; %1 is its name</extracomment>
        <translation>USB – %1</translation>
    </message>
    <message id="link_usb_denied">
        <source>link_usb_denied</source>
        <extracomment>Badge: USB chosen, board present but not allowed to open</extracomment>
        <translation>USB – 无访问权限</translation>
    </message>
    <message id="virtual_connected">
        <source>virtual_connected</source>
        <extracomment>Desktop notification title</extracomment>
        <translation>已连接虚拟控制板</translation>
    </message>
    <message id="virtual_connected_text">
        <source>virtual_connected_text</source>
        <extracomment>Desktop notification text</extracomment>
        <translation>Vorn 现在与虚拟控制板通信，不经 USB 发送任何数据。</translation>
    </message>
    <message id="virtual_disconnected">
        <source>virtual_disconnected</source>
        <extracomment>Desktop notification title</extracomment>
        <translation>已断开虚拟控制板</translation>
    </message>
    <message id="virtual_disconnected_text">
        <source>virtual_disconnected_text</source>
        <extracomment>Desktop notification text</extracomment>
        <translation>Vorn 已不再与虚拟控制板通信。</translation>
    </message>
    <message id="language_name">
        <source>language_name</source>
        <extracomment>Accessible name of the language selector</extracomment>
        <translation>语言</translation>
    </message>
    <message id="language_tips">
        <source>language_tips</source>
        <extracomment>Tool tip of the language selector</extracomment>
        <translation>选择界面语言。</translation>
    </message>
    <message id="tabs_name">
        <source>tabs_name</source>
        <extracomment>Accessible name of the tab titles in the top bar</extracomment>
        <translation>界面</translation>
    </message>
    <message id="tabs_tips">
        <source>tabs_tips</source>
        <extracomment>Accessible description of the tab titles</extracomment>
        <translation>左右方向键、Ctrl+Tab、Ctrl+1 和 Ctrl+2 可在动作编辑与总线舵机工具之间切换。</translation>
    </message>
    <message id="slider_position_tips">
        <source>slider_position_tips</source>
        <extracomment>Accessible description of a channel position slider</extracomment>
        <translation>立即转动舵机，范围 0 到 1000。</translation>
    </message>
    <message id="slider_trim_tips">
        <source>slider_trim_tips</source>
        <extracomment>Accessible description of a channel trim slider</extracomment>
        <translation>调整舵机偏差，范围 -100 到 100。</translation>
    </message>
</context>
</TS>
