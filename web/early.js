// Before the first paint: a browser that runs the page's modules shows the controls that
// need them (the tab bar works from here on); a replay link will show sets, so their room
// is kept and nothing moves; a browser too old for modules says so instead of waiting for
// ever.
if ('noModule' in HTMLScriptElement.prototype) {
  document.documentElement.classList.add('scripted');
}
if (/[?&]seed=\d/.test(location.search)) {
  document.documentElement.classList.add('replaying');
}
if (!('noModule' in HTMLScriptElement.prototype)) {
  document.addEventListener('DOMContentLoaded', function () {
    document.getElementById('status').textContent = '이 브라우저는 너무 오래되어 이 페이지를 쓸 수 없습니다. 최신 브라우저로 열어 주세요.';
  });
}

// The four sections: the address's #name shows one alone, so the tabs, the back button, a
// reload and a link all work before the page's modules arrive; the modules hear of each
// section shown and bring its code. A section opens at its top (the style sheet keeps a
// browser's scroll to the list of games, which shares #tickets, there too).
var SECTIONS = ['numbers', 'tickets', 'results', 'stats'];
function shownSection() {
  var name = location.hash.slice(1);
  return SECTIONS.indexOf(name) >= 0 ? name : 'numbers';
}
function showSection() {
  var name = shownSection();
  SECTIONS.forEach(function (each) {
    var section = document.getElementById('section-' + each);
    var tab = document.getElementById('tab-' + each);
    section.hidden = each !== name;
    if (each === name) {
      tab.setAttribute('aria-current', 'page');
    } else {
      tab.removeAttribute('aria-current');
    }
  });
  document.documentElement.dataset.section = name;
  window.scrollTo(0, 0);
  document.dispatchEvent(new CustomEvent('lotto-section', { detail: name }));
}
window.addEventListener('hashchange', showSection);
document.addEventListener('DOMContentLoaded', showSection);
