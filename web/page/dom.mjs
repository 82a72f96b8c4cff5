// The document, as every panel uses it.
export const $ = (id) => document.getElementById(id);

export function element(tag, attributes = {}, content = '') {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    node.setAttribute(name, String(value));
  }
  node.textContent = content;
  return node;
}

export const won = (amount) => `${amount.toLocaleString('ko-KR')}원`;

// A link that downloads `bytes`; the one it offered before is let go.
const exportUrls = {};
export function offerDownload(id, bytes, type) {
  if (exportUrls[id]) {
    URL.revokeObjectURL(exportUrls[id]);
  }
  exportUrls[id] = URL.createObjectURL(new Blob([bytes], { type }));
  $(id).href = exportUrls[id];
}
