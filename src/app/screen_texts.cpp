// The texts of the screens, declared in one place so that every language carries them
// before and while the screens use them: lupdate marks an id it cannot find in the code
// as vanished, and lrelease then leaves its text out.

#include <QList>
#include <QtGlobal>

const QList<const char*>& screenTextIds();

const QList<const char*>& screenTextIds() {
  static const QList<const char*> ids = {
      // Action-group editor: buttons, captions and the table's menu
      QT_TRID_NOOP("select_all"),
      QT_TRID_NOOP("select_none"),
      QT_TRID_NOOP("reset_servo"),
      QT_TRID_NOOP("read_deviation"),
      QT_TRID_NOOP("download_deviation"),
      QT_TRID_NOOP("reset_deviation"),
      QT_TRID_NOOP("wireless_connect"),
      QT_TRID_NOOP("wireless_disconnect"),
      QT_TRID_NOOP("run_action"),
      QT_TRID_NOOP("stop"),
      QT_TRID_NOOP("single_erase"),
      QT_TRID_NOOP("all_erase"),
      QT_TRID_NOOP("download"),
      QT_TRID_NOOP("add_action"),
      QT_TRID_NOOP("delete_action"),
      QT_TRID_NOOP("update_action"),
      QT_TRID_NOOP("Insert_action"),
      QT_TRID_NOOP("motor_off"),
      QT_TRID_NOOP("read_angle"),
      QT_TRID_NOOP("open_action"),
      QT_TRID_NOOP("save_action"),
      QT_TRID_NOOP("integrate_action"),
      QT_TRID_NOOP("run_online"),
      QT_TRID_NOOP("loop"),
      QT_TRID_NOOP("action_group"),
      QT_TRID_NOOP("action_time"),
      QT_TRID_NOOP("total_time"),
      QT_TRID_NOOP("servo_deviation"),
      QT_TRID_NOOP("copy_action"),
      QT_TRID_NOOP("copy_action_up"),
      QT_TRID_NOOP("copy_action_down"),
      QT_TRID_NOOP("copy_action_update"),
      QT_TRID_NOOP("tag_release"),
      QT_TRID_NOOP("tag_close"),
      QT_TRID_NOOP("tag_left"),
      QT_TRID_NOOP("tag_right"),
      QT_TRID_NOOP("tag_forward"),
      QT_TRID_NOOP("tag_backward"),

      // Action-group editor: tips and questions
      QT_TRID_NOOP("actions_max_velmar_tips"),
      QT_TRID_NOOP("add_action_first"),
      QT_TRID_NOOP("add_action_tips"),
      QT_TRID_NOOP("is_file_velmar"),
      QT_TRID_NOOP("save_file_tips"),
      QT_TRID_NOOP("motor_off_tips"),
      QT_TRID_NOOP("run_over"),
      QT_TRID_NOOP("stop_run"),
      QT_TRID_NOOP("replace_deviation"),
      QT_TRID_NOOP("download_dev_tips"),
      QT_TRID_NOOP("read_dev_first"),
      QT_TRID_NOOP("read_dev_erro"),

      // Bus-servo tool: panels, captions and buttons
      QT_TRID_NOOP("servo_id"),
      QT_TRID_NOOP("deviation"),
      QT_TRID_NOOP("led_control"),
      QT_TRID_NOOP("angle"),
      QT_TRID_NOOP("voltage"),
      QT_TRID_NOOP("temperature"),
      QT_TRID_NOOP("led_warning"),
      QT_TRID_NOOP("over_heat"),
      QT_TRID_NOOP("over_voltage"),
      QT_TRID_NOOP("over_position"),
      QT_TRID_NOOP("read_status"),
      QT_TRID_NOOP("cur_temperature"),
      QT_TRID_NOOP("cur_voltage"),
      QT_TRID_NOOP("cur_position"),
      QT_TRID_NOOP("servo_test"),
      QT_TRID_NOOP("time"),
      QT_TRID_NOOP("position"),
      QT_TRID_NOOP("speed"),
      QT_TRID_NOOP("servo_mode"),
      QT_TRID_NOOP("motor_mode"),
      QT_TRID_NOOP("default"),
      QT_TRID_NOOP("set"),
      QT_TRID_NOOP("read"),
      QT_TRID_NOOP("settings"),
      QT_TRID_NOOP("set_complete"),
      QT_TRID_NOOP("mass_download_Tips"),
      QT_TRID_NOOP("mass_open"),
      QT_TRID_NOOP("mass_download"),
      QT_TRID_NOOP("action_index"),

      // Bus-servo tool: tips
      QT_TRID_NOOP("single_servo_tips"),
      QT_TRID_NOOP("add_action_first_mass"),

      // Tips of both screens and of the link to the board
      QT_TRID_NOOP("connect_robot"),
      QT_TRID_NOOP("download_success"),

      // Desktop notifications
      QT_TRID_NOOP("Serial Port Connected"),
      QT_TRID_NOOP("Serial Port Disconnected"),
      QT_TRID_NOOP("Serial Port"),
  };
  return ids;
}
