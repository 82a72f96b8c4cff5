// An element of an SVG picture, as dom.mjs makes those of the page.
const SVG = 'http://www.w3.org/2000/svg';

export function svgElement(tag, attributes, content = '') {
  const node = document.createElementNS(SVG, tag);
  for (const [name, value] of Object.entries(attributes)) {
    node.setAttribute(name, String(value));
  }
  node.textContent = content;
  return node;
}
