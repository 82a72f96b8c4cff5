// Before the first paint: a replay link will show sets, so their room is kept and nothing
// moves; a browser too old for modules says so instead of waiting for ever.
if (/[?&]seed=\d/.test(location.search)) {
  document.documentElement.classList.add('replaying');
}
if (!('noModule' in HTMLScriptElement.prototype)) {
  document.addEventListener('DOMContentLoaded', function () {
    document.getElementById('status').textContent = '이 브라우저는 너무 오래되어 이 페이지를 쓸 수 없습니다. 최신 브라우저로 열어 주세요.';
  });
}
