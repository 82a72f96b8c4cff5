// 통계: each number's record over the history, then the back-test of the score.
import { forgetBackTest, startBackTestPanel } from './back_test_panel.mjs';
import { onHistoryChanged } from './history_panel.mjs';
import { showNumberRecord } from './number_record.mjs';

export function startSection() {
  startBackTestPanel();
  onHistoryChanged(forgetBackTest);
  onHistoryChanged(showNumberRecord);
  forgetBackTest();
  showNumberRecord();
}
