package brivel;

/** Custom authorization of remote-access clients. */
public interface TavoAuth {
    /** True when the user may connect. */
    boolean authorize(String user, String password);
}
