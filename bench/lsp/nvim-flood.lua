-- The Neovim side of run-nvim-flood.sh: opens SCRIPT with KORVEL_LSP
-- attached, makes 200 edits as fast as Neovim sends them, and prints how
-- long the last version's diagnostics take to arrive after the last edit.
local published = {}
local received = 0
vim.lsp.handlers['textDocument/publishDiagnostics'] = function(_, params)
  published = params
  received = received + 1
end
local function now() return vim.loop.hrtime() / 1e6 end

vim.cmd('edit ' .. vim.fn.fnameescape(os.getenv('SCRIPT')))
local buf = vim.api.nvim_get_current_buf()
local opened = now()
-- No debounce: every change goes out at once, so the time measured is the
-- server's, not the client's wait before sending.
local client = vim.lsp.start_client({ name = 'korvel', cmd = { os.getenv('KORVEL_LSP') }, root_dir = vim.fn.getcwd(),
  flags = { debounce_text_changes = 0 } })
vim.lsp.buf_attach_client(buf, client)
assert(vim.wait(120000, function() return published.diagnostics ~= nil end, 5), 'no diagnostics after opening')
print(string.format('lines %d, diagnostics %d; open to first diagnostics %.0f ms',
  vim.api.nvim_buf_line_count(buf), #published.diagnostics, now() - opened))

-- Typing inside a call that lacks a parameter, in a new line in the middle:
-- every keystroke moves the end of its finding.
local line = math.floor(vim.api.nvim_buf_line_count(buf) / 2)
vim.api.nvim_buf_set_lines(buf, line, line, false, { 'alias flood echo -a $left(x)' })
assert(vim.wait(120000, function() return published.version == vim.lsp.util.buf_versions[buf] end, 5))
received = 0
local first = now()
for i = 1, 200 do
  vim.api.nvim_buf_set_text(buf, line, 27 + i - 1, line, 27 + i - 1, { 'y' })
  vim.wait(1) -- lets Neovim send the change, as between keystrokes
end
local last = now()
local version = vim.lsp.util.buf_versions[buf]
local settled = vim.wait(120000, function() return published.version == version end, 1)
print(string.format('200 edits in %.0f ms; settled %s %.0f ms after the last; %d publishes received',
  last - first, settled and 'in' or 'NOT within', now() - last, received))
vim.cmd('qall!')
