// The weekly reminder: a calendar file every calendar program reads.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { reminderCalendar } from '../../page/reminder.mjs';

test('every Saturday at 18:00 Korean time, from the Saturday given, in CRLF lines', () => {
  // 2026-12-07 12:34:56 UTC; the coming Saturday is 2026-12-12.
  const calendar = reminderCalendar(1796646896, 20261212);
  const lines = calendar.split('\r\n');
  assert.equal(lines.at(-1), '');
  assert.ok(!calendar.replaceAll('\r\n', '').includes('\n'));
  assert.equal(lines[0], 'BEGIN:VCALENDAR');
  assert.equal(lines.at(-2), 'END:VCALENDAR');
  // 09:00 UTC is 18:00 in Korea (UTC+9, no summer time).
  assert.ok(lines.includes('DTSTART:20261212T090000Z'));
  assert.ok(lines.includes('DTSTAMP:20261207T123456Z'));
  assert.ok(lines.includes('RRULE:FREQ=WEEKLY;BYDAY=SA'));
  assert.ok(lines.includes('UID:lotto-weekly-20261212@lotto.invalid'));
  assert.equal(lines.filter((line) => line === 'BEGIN:VEVENT').length, 1);
  assert.equal(lines.filter((line) => line === 'BEGIN:VALARM').length, 1);
});
