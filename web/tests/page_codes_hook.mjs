// Lets Node import the page's modules as esbuild bundles them: 'lotto-page-codes' is the
// module the build writes from the core's declarations, named by LOTTO_PAGE_CODES.
import { register } from 'node:module';
import { pathToFileURL } from 'node:url';

const codes = process.env.LOTTO_PAGE_CODES;
if (!codes) {
  throw new Error('LOTTO_PAGE_CODES must name the page_codes.mjs a build wrote');
}
const url = JSON.stringify(pathToFileURL(codes).href);
register(`data:text/javascript,${encodeURIComponent(`export function resolve(specifier, context, next) {
  return specifier === 'lotto-page-codes' ? { url: ${url}, shortCircuit: true } : next(specifier, context);
}`)}`);
