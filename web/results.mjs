// The page's part that asks the results source, as one script loaded after the first view.
export { startResultsPanel } from './page/results_panel.mjs';
