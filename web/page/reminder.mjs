// A weekly reminder without a server: a calendar event every Saturday at 18:00 Korean
// time, two hours before sales close, from the Saturday `drawDate` (YYYYMMDD) on. Pure.
export function reminderCalendar(nowSeconds, drawDate) {
  const date = String(drawDate);
  const stamp = new Date(nowSeconds * 1000).toISOString().replace(/[-:]/g, '').replace(/\.\d+/, '');
  return ['BEGIN:VCALENDAR', 'VERSION:2.0', 'PRODID:-//lotto//weekly reminder//KO', 'CALSCALE:GREGORIAN',
    'METHOD:PUBLISH', 'BEGIN:VEVENT', `UID:lotto-weekly-${date}@lotto.invalid`, `DTSTAMP:${stamp}`,
    `DTSTART:${date}T090000Z`, 'DURATION:PT30M', 'RRULE:FREQ=WEEKLY;BYDAY=SA',
    'SUMMARY:로또 판매 마감 2시간 전', 'DESCRIPTION:로또 6/45 판매는 토요일 20시에 마감됩니다.',
    'BEGIN:VALARM', 'ACTION:DISPLAY', 'DESCRIPTION:로또 판매 마감 2시간 전', 'TRIGGER:PT0M', 'END:VALARM',
    'END:VEVENT', 'END:VCALENDAR', ''].join('\r\n');
}
