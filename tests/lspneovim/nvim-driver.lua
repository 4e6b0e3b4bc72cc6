-- Drives Neovim (0.7 or newer) for tst_lspneovim, with korvel-lsp attached
-- by the README's set-up lines (run before this file). Environment: SCRIPT
-- (a script to open and edit), EDITED (where the edited script is written),
-- FEATURES (a small script the position requests are made in), OUT (where
-- the results go, as JSON).
local env = os.getenv
local results = { log = {} }
local published = {} -- uri -> last publishDiagnostics params

local function finish()
  local file = io.open(env('OUT'), 'w')
  file:write(vim.fn.json_encode(results))
  file:close()
  vim.cmd('qall!')
end

vim.lsp.handlers['textDocument/publishDiagnostics'] = function(_, params)
  published[params.uri] = params
end

local ok, err = pcall(function()
  local client
  -- Opens a file (the README's lines attach the server) and waits for its
  -- first diagnostics.
  local function open(path)
    vim.cmd('edit! ' .. vim.fn.fnameescape(path))
    local buf = vim.api.nvim_get_current_buf()
    -- A client shows as attached once the server answered initialize.
    vim.wait(20000, function() return next(vim.lsp.buf_get_clients(buf)) ~= nil end, 10)
    client = next(vim.lsp.buf_get_clients(buf))
    assert(client, 'korvel-lsp was not attached to ' .. path)
    local uri = vim.uri_from_bufnr(buf)
    assert(vim.wait(20000, function() return published[uri] ~= nil end, 10), 'no diagnostics for ' .. path)
    return buf, uri
  end

  local function findings(uri)
    local list = {}
    for _, d in ipairs(published[uri].diagnostics) do
      table.insert(list, { line = d.range.start.line, character = d.range.start.character, message = d.message })
    end
    return list
  end

  -- The script: diagnostics as opened, then through edits of every shape.
  local buf, uri = open(env('SCRIPT'))
  results.opened = findings(uri)
  local count = vim.api.nvim_buf_line_count(buf)
  vim.api.nvim_buf_set_lines(buf, count, count, false, { 'echo -a $left(x)' }) -- a new last line
  vim.api.nvim_buf_set_lines(buf, 2, 3, false, {})                              -- a line removed
  vim.api.nvim_buf_set_text(buf, 5, 0, 5, 0, { 'alias edited {', '  echo -a $mid(a)' }) -- a line split
  vim.api.nvim_buf_set_lines(buf, 0, 0, false, { '}' })                         -- a stray brace on top
  local version = vim.lsp.util.buf_versions[buf]
  assert(vim.wait(20000, function() return published[uri].version == version end, 10), 'edits were not published')
  results.edited = findings(uri)
  vim.cmd('silent write! ' .. vim.fn.fnameescape(env('EDITED')))

  -- Position requests in a script of our own.
  local fbuf, furi = open(env('FEATURES'))
  local function request(method, params)
    params.textDocument = { uri = furi }
    local answers = vim.lsp.buf_request_sync(fbuf, method, params, 10000) or {}
    local answer = answers[client] or {}
    return answer.result or vim.NIL
  end
  local function at(line, character)
    return { position = { line = line, character = character } }
  end
  results.hover = request('textDocument/hover', at(1, 26))
  results.completion = request('textDocument/completion', at(2, 22))
  results.signature = request('textDocument/signatureHelp', at(1, 33))
  results.tokens = request('textDocument/semanticTokens/full', {})
  results.definition = request('textDocument/definition', at(3, 11))
end)
if not ok then
  results.error = tostring(err)
end
finish()
